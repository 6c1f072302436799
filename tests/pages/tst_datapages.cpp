#include "core/messageids.h"
#include "database/driver/zsqlitecipherdriver.h"
#include "database/sampleinfoaccess.h"
#include "link/transferprogress.h"
#include "pages/datamanagewidget.h"
#include "pages/historyfixture.h"
#include "pages/machineotherset.h"
#include "pages/pagefixture.h"
#include "shell/filedialogs.h"
#include "support/craftdb.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr qint64 GiB = qint64(1) << 30;

const auto payload = [](qint64 received, qint64 total) { return TransferProgress{received, total}.encode(); };

const auto pattern = [](int size) { return TestEnv::patternBytes(size, 12345); };

// Takes or gives bytes until its budget is spent, then fails.
struct FailingDevice : QIODevice {
    qint64 budget = 0;
    QByteArray content;
    qint64 pos = 0;
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, qMin(budget, qint64(content.size()) - pos));
        if (n <= 0)
            return budget <= 0 ? -1 : 0;
        memcpy(data, content.constData() + pos, size_t(n));
        pos += n;
        budget -= n;
        return n;
    }
    qint64 writeData(const char *, qint64 size) override
    {
        if (budget <= 0)
            return -1;
        const qint64 n = qMin(size, budget);
        budget -= n;
        return n;
    }
    bool atEnd() const override { return pos >= content.size(); }
};

// An enciphered file with the program's key but none of its tables.
bool buildForeignDatabase(const QString &path)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, QStringLiteral("foreign"));
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Other(a TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
    return ok;
}
} // namespace

// The data pages through the real enciphered file and connection and the picker and message-box seams: the
// whole database imported and exported; the data-update page's progress, one fetch per visit, a local file.
class TstDataPages : public QObject
{
    Q_OBJECT
    DbManage *m_db = nullptr;
    QString m_dir;
    QVector<DemoSampleRow> m_baseline;
    QPointer<MachineOtherSet> m_page; // the data-update page

    void openUpdatePage() { (m_page = MachineOtherSet::getInstance())->initWidget(); }
    template <class T> T *child(const char *name) const { return PageFixture::child<T>(m_page, name); }
    QString status() const { return child<QLabel>("serverStatusLabel")->text(); }
    QProgressBar *bar() const { return child<QProgressBar>("serverProgressBar"); }

    QString file(const QString &name) const { return m_dir + QLatin1Char('/') + name; }

    // Picks `path` (empty: cancel) and presses the button; the texts shown.
    QStringList press(bool import, const QString &path)
    {
        MessageDialog::clearShownTexts();
        FileDialogs::pushNextFileName(path);
        if (!path.isEmpty())
            MessageDialog::pushNextAnswer(1);
        DataManageWidget *page = DataManageWidget::getInstance();
        page->initWidget();
        import ? page->on_btn_Importing_clicked() : page->on_btn_Export_clicked();
        page->releaseInstance();
        return MessageDialog::shownTexts();
    }

    static int queriedRows()
    {
        QSqlQuery q;
        return q.exec(QStringLiteral("SELECT COUNT(*) FROM SampleInfoTable")) && q.next() ? q.value(0).toInt() : -1;
    }

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        m_dir = TestEnv::instance()->path(QStringLiteral("files"));
        QVERIFY(QDir().mkpath(m_dir));
        m_baseline = HistoryFixture::runs(QStringLiteral("BASE"), {"090000", "100000"}, 3);
    }
    void cleanupTestCase() { delete m_db; }

    void init()
    {
        FileDialogs::clearPending();
        QVERIFY(HistoryFixture::replaceWith(m_baseline));
        QCOMPARE(SampleInfoAccess::getCount(), m_baseline.size());
    }
    void cleanup()
    {
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());
        if (m_page)
            m_page->releaseInstance();
    }

    // Byte-exact copies to target.bin; failures that must leave keep.bin,
    // the folder sub and the missing folder none as they were.
    void copyFile_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("content");   // of source.bin
        QTest::addColumn<QByteArray>("oldTarget"); // null: no target.bin yet
        QTest::addColumn<bool>("result");
        const QString src = QStringLiteral("source.bin"), dst = QStringLiteral("target.bin");
        QTest::newRow("NUL, CR and LF, no final line end")
            << src << dst << QByteArray("a\0b\r\nc\n\r\0\n\nd", 13) << QByteArray() << true;
        QTest::newRow("zero bytes over a file") << src << dst << QByteArray("") << QByteArray("old content") << true;
        QTest::newRow("over a longer file") << src << dst << QByteArray("short\n") << pattern(100000) << true;
        QTest::newRow("several chunks, odd size")
            << src << dst << pattern(3 * 256 * 1024 + 7) << QByteArray("x") << true;
        const struct {
            const char *row, *source, *target;
            bool result;
        } rows[] = {
            {"missing source", "missing.bin", "keep.bin", false},
            {"same file, other spelling", "keep.bin", "sub/../keep.bin", true},
            {"target is a folder", "other.bin", "sub", false},
            {"target folder missing", "other.bin", "none/keep.bin", false},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << QString(r.source) << QString(r.target) << QByteArray() << QByteArray() << r.result;
    }
    void copyFile()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, oldTarget);
        QFETCH(bool, result);
        const QByteArray kept("the only copy\0\r\n", 16);
        QVERIFY(QDir().mkpath(file("sub")));
        QVERIFY(TestEnv::writeFile(file("keep.bin"), kept));
        QVERIFY(TestEnv::writeFile(file("other.bin"), "other"));
        QVERIFY(TestEnv::writeFile(file("source.bin"), content));
        QFile::remove(file("target.bin"));
        QVERIFY(oldTarget.isNull() || TestEnv::writeFile(file("target.bin"), oldTarget));
        QCOMPARE(DataManageWidget::copyFileToPath(file(source), file(target)), result);
        if (target == QLatin1String("target.bin"))
            QCOMPARE(TestEnv::readFile(file(target)), content);
        QCOMPARE(TestEnv::readFile(file("source.bin")), content);
        QCOMPARE(TestEnv::readFile(file("keep.bin")), kept);
        QVERIFY(QFileInfo(file("sub")).isDir());
        QVERIFY(!QFileInfo::exists(file("none")));
    }

    void deviceErrorsFailTheCopy_data()
    {
        // (A copy of several chunks that succeeds: copyFile.)
        QTest::addColumn<qint64>("readBudget");
        QTest::addColumn<qint64>("writeBudget");
        QTest::newRow("target full at once") << qint64(1 << 30) << qint64(0);
        QTest::newRow("target full mid-chunk") << qint64(1 << 30) << qint64(1000);
        QTest::newRow("target full in a later chunk") << qint64(1 << 30) << qint64(300 * 1024);
        QTest::newRow("source fails midway") << qint64(300 * 1024) << qint64(1 << 30);
    }
    void deviceErrorsFailTheCopy()
    {
        QFETCH(qint64, readBudget);
        QFETCH(qint64, writeBudget);
        FailingDevice in, out;
        in.budget = readBudget;
        in.content = pattern(600 * 1024);
        out.budget = writeBudget;
        QVERIFY(in.open(QIODevice::ReadOnly));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(!DataManageWidget::copyDevice(&in, &out));
    }

    // A database file picked on the data-management page (import, with a
    // message) or on the data-update page (no message; the path is shown).
    void import_data()
    {
        QTest::addColumn<bool>("updatePage");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: none shown
        QTest::addColumn<int>("rowsAfter");   // -1: the baseline
        const QString ok = QStringLiteral("資料庫檔案匯入成功！");
        const QString failed = QStringLiteral("資料庫檔案匯入失敗！");
        const struct {
            const char *row, *kind, *name;
            bool ok;
            int rowsAfter;
        } rows[] = {
            {"database of this program", "valid", "backup.db", true, 7},
            {"database in a folder named .db", "valid", "old.db/data.bin", true, 7},
            {"zero bytes", "empty", "empty.db", false, -1},
            {"random bytes", "random", "random.db", false, -1},
            {"another key", "wrongkey", "foreign.db", false, -1},
            {"none of our tables", "notables", "other.db", false, -1},
            {"trigger disguised by its type's case", "trigger", "trigger.db", false, -1},
            {"missing file", "none", "missing.db", false, -1},
            {"no .db in the path", "valid", "notes.txt", false, -1},
            {"the database itself", "self", "", true, -1},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << false << QString(r.kind) << QString(r.name) << (r.ok ? ok : failed) << r.rowsAfter;
        QTest::newRow("cancelled") << false << "cancel" << QString() << QString() << -1;
        for (const char *kind : {"valid", "random", "empty", "trigger", "self", "cancel"}) {
            const int rowsAfter = QByteArray(kind) == "valid" ? 7 : -1;
            QTest::addRow("update page: %s", kind)
                << true << QString(kind) << QStringLiteral("pick-%1/AppDatabase.db").arg(kind) << QString()
                << rowsAfter;
        }
    }
    void import()
    {
        QFETCH(bool, updatePage);
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(int, rowsAfter);
        QString path = name.isEmpty() ? QString() : file(name);
        QVERIFY(QDir().mkpath(QFileInfo(path.isEmpty() ? m_dir : path).absolutePath()));
        QFile::remove(path);
        DemoDataBuilder::Options options;
        options.doneRows = 7;
        options.notDoneRows = 2;
        if (kind == QLatin1String("wrongkey"))
            ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArrayLiteral("another clinic's key"));
        if (kind == QLatin1String("valid") || kind == QLatin1String("wrongkey"))
            QCOMPARE(DemoDataBuilder::build(path, options), 9);
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());
        if (kind == QLatin1String("empty") || kind == QLatin1String("random"))
            QVERIFY(TestEnv::writeFile(path, kind == QLatin1String("empty") ? QByteArray() : pattern(8192)));
        else if (kind == QLatin1String("notables"))
            QVERIFY(buildForeignDatabase(path));
        else if (kind == QLatin1String("trigger")) {
            QVERIFY(DemoDataBuilder::build(path, 3, 2) > 0);
            QVERIFY(CraftDb::exec(path, CraftDb::disguisedTrigger()));
        } else if (kind == QLatin1String("self"))
            path = updatePage ? QFileInfo(DbManage::databasePath()).absoluteFilePath() : DbManage::databasePath();
        else if (kind == QLatin1String("cancel"))
            path.clear();
        const QByteArray before = TestEnv::readFile(DbManage::databasePath());
        if (updatePage) {
            openUpdatePage();
            QLineEdit *shown = child<QLineEdit>("lineEditFilePath");
            shown->setText(QStringLiteral("before"));
            FileDialogs::pushNextFileName(path);
            MessageDialog::clearShownTexts();
            child<QPushButton>("btnLoadFile")->click();
            QCOMPARE(shown->text(), path.isEmpty() ? QStringLiteral("before") : path);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
        } else {
            QCOMPARE(press(true, path), message.isEmpty() ? QStringList() : QStringList{message});
        }
        QVERIFY(m_db->isOpen());
        // Through the program's access class and a plain query on the default connection.
        QCOMPARE(SampleInfoAccess::getCount(), rowsAfter < 0 ? m_baseline.size() : rowsAfter);
        QCOMPARE(queriedRows(), rowsAfter < 0 ? m_baseline.size() : 9);
        if (rowsAfter < 0)
            QCOMPARE(TestEnv::readFile(DbManage::databasePath()), before);
        const FileDialogs::Request request = FileDialogs::lastRequest();
        QCOMPARE(request.kind, QString("open"));
        QCOMPARE(request.dir, updatePage ? QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                         : QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    }

    void exportDatabase_data()
    {
        QTest::addColumn<QString>("chosen");  // relative to the files folder; "@db" the database
        QTest::addColumn<QString>("written"); // the file that must hold the copy; empty: none
        QTest::addColumn<QString>("message");
        const QString ok = QStringLiteral("資料庫檔案匯出成功！");
        const QString failed = QStringLiteral("資料庫檔案匯出失敗！");
        const struct {
            const char *row, *chosen, *written;
            bool ok;
        } rows[] = {
            {"new file", "copy.db", "copy.db", true},
            {"name without suffix", "plain", "plain.db", true},
            {"folder named .db", "old.db/data.bin", "old.db/data.bin", true},
            {"other suffix", "notes.txt", "", false},
            {"missing folder", "none/x.db", "", false},
            {"the database itself", "@db", "", true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.row) << QString(r.chosen) << QString(r.written) << (r.ok ? ok : failed);
        QTest::newRow("cancelled") << "" << QString() << QString();
    }
    void exportDatabase()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, message);
        QVERIFY(QDir().mkpath(file("old.db")));
        for (const char *stale : {"copy.db", "plain", "plain.db", "old.db/data.bin", "notes.txt"})
            QFile::remove(file(QLatin1String(stale)));
        const QByteArray database = TestEnv::readFile(DbManage::databasePath());
        QVERIFY(!database.isEmpty());
        const QString path = chosen == QLatin1String("@db") ? QFileInfo(DbManage::databasePath()).absoluteFilePath()
                             : chosen.isEmpty()             ? QString()
                                                            : file(chosen);
        QCOMPARE(press(false, path), message.isEmpty() ? QStringList() : QStringList{message});
        if (!written.isEmpty()) {
            QCOMPARE(TestEnv::readFile(file(written)), database);
            QVERIFY(DbManage::isValidDatabaseFile(file(written)));
        }
        for (const char *never : {"plain", "notes.txt", "none"})
            QVERIFY2(!QFileInfo::exists(file(never)), never);
        QCOMPARE(TestEnv::readFile(DbManage::databasePath()), database);
        QCOMPARE(queriedRows(), m_baseline.size());
        const FileDialogs::Request request = FileDialogs::lastRequest();
        QCOMPARE(request.kind, QString("save"));
        QCOMPARE(request.dir,
                 QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QStringLiteral("/AppDatabase.db"));
    }

    // Qt's own save dialog, typed into as a user does: an existing file is replaced only when someone asked and the
    // answer was yes. The dialog asks about the name it returns; the page about the name its suffix makes.
    void exportAsksBeforeReplacing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("dialogAnswer"); // Qt's question; -1: it must not ask
        QTest::addColumn<int>("pageAnswer");   // the page's question; -1: it must not ask
        QTest::addColumn<bool>("replaced");
        QTest::newRow("suffix added, no") << "backup" << -1 << 0 << false;
        QTest::newRow("suffix added, yes") << "backup" << -1 << 1 << true;
        QTest::newRow("full name, no") << "backup.db" << int(QMessageBox::No) << -1 << false;
        QTest::newRow("full name, yes") << "backup.db" << int(QMessageBox::Yes) << -1 << true;
        QTest::newRow("new name") << "fresh" << -1 << -1 << true;
    }
    void exportAsksBeforeReplacing()
    {
        QFETCH(QString, typed);
        QFETCH(int, dialogAnswer);
        QFETCH(int, pageAnswer);
        QFETCH(bool, replaced);
        const QByteArray earlier("an earlier export");
        QVERIFY(TestEnv::writeFile(file("backup.db"), earlier));
        QFile::remove(file("fresh.db"));
        const QString target = file(typed.endsWith(QLatin1String(".db")) ? typed : typed + QLatin1String(".db"));
        const QString question = QStringLiteral("檔案已存在，是否取代？\n%1").arg(QDir::toNativeSeparators(target));
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        MessageDialog::clearShownTexts();
        if (pageAnswer >= 0)
            MessageDialog::pushNextAnswer(pageAnswer);
        if (replaced)
            MessageDialog::pushNextAnswer(1); // the result
        QStringList dialogQuestions;
        int fileDialogs = 0;
        // Each step is queued: the dialog's question runs a modal loop of its own.
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&]() {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                user.stop();
                dialogQuestions << box->text();
                QAbstractButton *button = box->button(QMessageBox::StandardButton(qMax(dialogAnswer, 0)));
                QTimer::singleShot(0, button ? static_cast<QObject *>(button) : box, [=, &user]() {
                    button ? button->click() : box->reject();
                    user.start();
                });
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                user.stop();
                if (fileDialogs++ == 0) {
                    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file(typed));
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                } else { // still open after a no: the user gives up
                    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                }
                QTimer::singleShot(0, &user, [&]() { user.start(); });
            }
        });
        user.start(10);
        DataManageWidget *page = DataManageWidget::getInstance();
        page->initWidget();
        page->on_btn_Export_clicked();
        page->releaseInstance();
        user.stop();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);

        QCOMPARE(fileDialogs, dialogAnswer == QMessageBox::No ? 2 : 1);
        QCOMPARE(dialogQuestions.size(), dialogAnswer >= 0 ? 1 : 0);
        QStringList shown;
        if (pageAnswer >= 0)
            shown << question;
        if (replaced)
            shown << QStringLiteral("資料庫檔案匯出成功！");
        QCOMPARE(MessageDialog::shownTexts(), shown);
        const QByteArray database = TestEnv::readFile(DbManage::databasePath());
        QCOMPARE(TestEnv::readFile(target), replaced ? database : earlier);
        if (!typed.endsWith(QLatin1String(".db")))
            QVERIFY2(!QFileInfo::exists(file(typed)), "the name without its suffix was written");
    }

    // Only the last event may complete; a payload cut short reads zeros. One
    // fetch per visit: the button comes back on a new page.
    void updatePageProgress_data()
    {
        QTest::addColumn<QByteArrayList>("events");
        QTest::addColumn<int>("maximum"); // -1: not checked
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("complete");
        QTest::newRow("to the end") << QByteArrayList{payload(0, 1000), payload(500, 1000), payload(1000, 1000)} << 1000
                                    << 1000 << true;
        QTest::newRow("halfway") << QByteArrayList{payload(0, 1000), payload(500, 1000)} << 1000 << 500 << false;
        QTest::newRow("nothing of nothing") << QByteArrayList{payload(0, 0)} << 0 << 0 << true;
        // Totals past what an int holds are scaled, keeping the ratio.
        const int half3GiB = int((3 * GiB) >> 1);
        QTest::newRow("3 GiB halfway") << QByteArrayList{payload(3 * GiB / 2, 3 * GiB)} << half3GiB << half3GiB / 2
                                       << false;
        QTest::newRow("exactly 2 GiB") << QByteArrayList{payload(GiB, 2 * GiB)} << int(GiB) << int(GiB / 2) << false;
        QTest::newRow("5 GiB halfway") << QByteArrayList{payload(5 * GiB / 2, 5 * GiB)} << int((5 * GiB) >> 2)
                                       << int((5 * GiB) >> 3) << false;
        QTest::newRow("5 GiB of 2^62") << QByteArrayList{payload(5 * GiB, qint64(1) << 62)} << int(GiB) << 1 << false;
        QTest::newRow("empty payload: 0 of 0") << QByteArrayList{QByteArray()} << -1 << 0 << true;
        QTest::newRow("received only: 5 of 0") << QByteArrayList{payload(5, 9).left(8)} << -1 << 0 << false;
        QTest::newRow("total cut short: 256 of 256")
            << QByteArrayList{payload(0x100, 0x100).left(10)} << -1 << 0 << true;
        QTest::newRow("total cut to nothing: 256 of 0")
            << QByteArrayList{payload(0x100, 0x10000).left(10)} << -1 << 0 << false;
    }
    void updatePageProgress()
    {
        QFETCH(QByteArrayList, events);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, complete);
        openUpdatePage();
        QSignalSpy cmds(m_page, &IFunWidget::sendCmd);
        QPushButton *fetch = child<QPushButton>("pushButton");
        QVERIFY(fetch->isEnabled());
        fetch->click();
        QCOMPARE(bar()->value(), 0);
        for (const QByteArray &event : events) {
            QCOMPARE(status(), QStringLiteral("接收进度"));
            m_page->netEventHandle(NetEvt_FileProgress, event);
        }
        // Other events change nothing, whatever they carry.
        for (int id : {int(NetEvt_LinkState), int(NetEvt_ScanFinished), int(NetEvt_InstrumentFound), 0})
            m_page->netEventHandle(id, payload(100, 100));
        if (maximum >= 0) {
            QCOMPARE(bar()->maximum(), maximum);
            QCOMPARE(bar()->value(), value);
        }
        QCOMPARE(status(), complete ? QStringLiteral("数据更新完成！") : QStringLiteral("接收进度"));
        fetch->click();
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds.first().value(0).toInt(), int(Cmd_FetchDataFile));
        QCOMPARE(cmds.first().value(1).toInt(), -1);
        QVERIFY(!fetch->isEnabled());
    }
};

VIREON_TEST_MAIN(TstDataPages)
#include "tst_datapages.moc"

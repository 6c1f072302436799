#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "historyfixture.h"
#include "link/transferprogress.h"
#include "pages/machineotherset.h"
#include "pages/pagefixture.h"
#include "pages/realtimecurve.h"
#include "shell/filedialogs.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

namespace {
constexpr qint64 GiB = qint64(1) << 30;

QByteArray payload(qint64 received, qint64 total)
{
    return TransferProgress{received, total}.encode();
}
} // namespace

// The data-update page: progress of the instrument's upload, one fetch per
// visit, and a local database file installed through the database manager.
class TstMachineOtherSet : public QObject
{
    Q_OBJECT
    DbManage *m_db = nullptr;
    MachineOtherSet *m_page = nullptr;

    template <class T> T *child(const char *name) const { return PageFixture::child<T>(m_page, name); }
    QString status() const { return child<QLabel>("serverStatusLabel")->text(); }
    QProgressBar *bar() const { return child<QProgressBar>("serverProgressBar"); }

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
    }
    void cleanupTestCase() { delete m_db; }

    void init()
    {
        m_page = MachineOtherSet::getInstance();
        m_page->initWidget();
        FileDialogs::clearPending();
    }
    void cleanup()
    {
        if (m_page)
            m_page->releaseInstance();
        m_page = nullptr;
    }

    // Only the last event may complete; a payload cut short reads zeros.
    void progress_data()
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
        QTest::newRow("3 GiB halfway") << QByteArrayList{payload(3 * GiB / 2, 3 * GiB)} << int((3 * GiB) >> 1)
                                       << int((3 * GiB) >> 2) << false;
        QTest::newRow("3 GiB complete") << QByteArrayList{payload(3 * GiB, 3 * GiB)} << int((3 * GiB) >> 1)
                                        << int((3 * GiB) >> 1) << true;
        QTest::newRow("exactly 2 GiB") << QByteArrayList{payload(GiB, 2 * GiB)} << int(GiB) << int(GiB / 2) << false;
        QTest::newRow("empty payload: 0 of 0") << QByteArrayList{QByteArray()} << -1 << 0 << true;
        QTest::newRow("received only: 5 of 0") << QByteArrayList{payload(5, 9).left(8)} << -1 << 0 << false;
        QTest::newRow("total cut short: 256 of 256")
            << QByteArrayList{payload(0x100, 0x100).left(10)} << -1 << 0 << true;
        QTest::newRow("total cut to nothing: 256 of 0")
            << QByteArrayList{payload(0x100, 0x10000).left(10)} << -1 << 0 << false;
    }
    void progress()
    {
        QFETCH(QByteArrayList, events);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, complete);
        QCOMPARE(status(), QStringLiteral("接收进度"));
        QCOMPARE(bar()->value(), 0);
        for (const QByteArray &event : events) {
            QCOMPARE(status(), QStringLiteral("接收进度"));
            m_page->netEventHandle(NetEvt_FileProgress, event);
        }
        if (maximum >= 0) {
            QCOMPARE(bar()->maximum(), maximum);
            QCOMPARE(bar()->value(), value);
        }
        QCOMPARE(status(), complete ? QStringLiteral("数据更新完成！") : QStringLiteral("接收进度"));
    }

    void otherEventsChangeNothing()
    {
        m_page->netEventHandle(NetEvt_FileProgress, payload(10, 100));
        for (int id : {int(NetEvt_LinkState), int(NetEvt_ScanFinished), int(NetEvt_InstrumentFound), 0})
            m_page->netEventHandle(id, payload(100, 100));
        QCOMPARE(bar()->value(), 10);
        QCOMPARE(status(), QStringLiteral("接收进度"));
    }

    void oneFetchPerVisit()
    {
        QSignalSpy cmds(m_page, &IFunWidget::sendCmd);
        QPushButton *fetch = child<QPushButton>("pushButton");
        QVERIFY(fetch->isEnabled());
        fetch->click();
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds.first().at(0).toInt(), int(Cmd_FetchDataFile));
        QCOMPARE(cmds.first().at(1), QVariant(-1));
        m_page->netEventHandle(NetEvt_FileProgress, payload(7, 7));
        fetch->click();
        QCOMPARE(cmds.size(), 1);
        QVERIFY(!fetch->isEnabled());

        m_page->releaseInstance();
        m_page = MachineOtherSet::getInstance();
        m_page->initWidget();
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
    }

    void loadFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rowsAfter"); // -1: unchanged
        QTest::newRow("database of this program") << "valid" << 5;
        QTest::newRow("random bytes") << "random" << -1;
        QTest::newRow("zero bytes") << "empty" << -1;
        QTest::newRow("the database itself") << "self" << -1;
        QTest::newRow("cancelled") << "cancel" << -1;
    }
    void loadFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, rowsAfter);
        const QVector<DemoSampleRow> baseline = HistoryFixture::runs(QStringLiteral("OLD"), {"080000"}, 2);
        QVERIFY(HistoryFixture::replaceWith(baseline));
        const QString folder = TestEnv::instance()->path(QStringLiteral("pick-") + kind);
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/AppDatabase.db");
        DemoDataBuilder::Options options;
        options.doneRows = 5;
        if (kind == QLatin1String("valid"))
            QCOMPARE(DemoDataBuilder::build(path, options), 5);
        else if (kind == QLatin1String("random") || kind == QLatin1String("empty"))
            QVERIFY(PageFixture::writeFile(path, QByteArray(kind == QLatin1String("random") ? 4096 : 0, '\x5a')));
        else if (kind == QLatin1String("self"))
            path = QFileInfo(DbManage::databasePath()).absoluteFilePath();
        else
            path.clear();
        QLineEdit *shown = child<QLineEdit>("lineEditFilePath");
        shown->setText(QStringLiteral("before"));

        FileDialogs::pushNextFileName(path);
        child<QPushButton>("btnLoadFile")->click();

        QCOMPARE(shown->text(), path.isEmpty() ? QStringLiteral("before") : path);
        QVERIFY(!shown->text().contains(QLatin1Char('\\')));
        QVERIFY(m_db->isOpen());
        QCOMPARE(SampleInfoAccess::getCount(), rowsAfter < 0 ? baseline.size() : rowsAfter);
        if (!path.isEmpty()) {
            const FileDialogs::Request request = FileDialogs::lastRequest();
            QCOMPARE(request.filter, QStringLiteral("AppDatabase.db"));
            QCOMPARE(request.dir, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        }
    }

    // The placeholder page: its handler takes any event, and it dies cleanly.
    void realTimeCurvePlaceholder()
    {
        RealTimeCurve::getInstance()->initWidget();
        RealTimeCurve::getInstance()->netEventHandle(NetEvt_FileProgress, payload(1, 1));
        PageFixture::checkSingletonLifetime<RealTimeCurve>();
    }
};

VIREON_TEST_MAIN(TstMachineOtherSet)
#include "tst_machineotherset.moc"

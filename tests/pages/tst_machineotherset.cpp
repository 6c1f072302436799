#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "historyfixture.h"
#include "link/transferprogress.h"
#include "pages/machineotherset.h"
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
using Steps = QList<QPair<qint64, qint64>>;
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

    template <class T> T *child(const char *name) const { return m_page->findChild<T *>(QLatin1String(name)); }
    QString status() const { return child<QLabel>("serverStatusLabel")->text(); }

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

    void newPage()
    {
        QCOMPARE(status(), QStringLiteral("接收进度"));
        QCOMPARE(child<QProgressBar>("serverProgressBar")->value(), 0);
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
        QVERIFY(child<QPushButton>("btnLoadFile")->isEnabled());
        QCOMPARE(m_page->getTitle(), QStringLiteral("其他设置"));
    }

    void progress_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("complete");

        QTest::newRow("to the end") << Steps{{0, 1000}, {500, 1000}, {1000, 1000}} << 1000 << 1000 << true;
        QTest::newRow("halfway") << Steps{{0, 1000}, {500, 1000}} << 1000 << 500 << false;
        QTest::newRow("nothing of nothing") << Steps{{0, 0}} << 0 << 0 << true;
        // Totals past what an int holds are scaled, keeping the ratio.
        QTest::newRow("3 GiB halfway") << Steps{{3 * GiB / 2, 3 * GiB}} << int((3 * GiB) >> 1) << int((3 * GiB) >> 2)
                                       << false;
        QTest::newRow("3 GiB complete") << Steps{{3 * GiB, 3 * GiB}} << int((3 * GiB) >> 1) << int((3 * GiB) >> 1)
                                        << true;
        QTest::newRow("exactly 2 GiB") << Steps{{GiB, 2 * GiB}} << int(GiB) << int(GiB / 2) << false;
    }
    void progress()
    {
        QFETCH(Steps, steps);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(bool, complete);
        for (const auto &s : steps) {
            m_page->netEventHandle(NetEvt_FileProgress, payload(s.first, s.second));
            if (s != steps.last())
                QCOMPARE(status(), QStringLiteral("接收进度")); // only the last event completes
        }
        QCOMPARE(child<QProgressBar>("serverProgressBar")->maximum(), maximum);
        QCOMPARE(child<QProgressBar>("serverProgressBar")->value(), value);
        QCOMPARE(status(), complete ? QStringLiteral("数据更新完成！") : QStringLiteral("接收进度"));
    }

    void shortPayloadReadsZeros_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("complete");
        QTest::newRow("empty") << QByteArray() << true;                                     // 0 of 0
        QTest::newRow("received only") << payload(5, 9).left(8) << false;                   // 5 of 0
        QTest::newRow("total cut short") << payload(0x100, 0x100).left(10) << true;         // 256 of 256
        QTest::newRow("total cut to nothing") << payload(0x100, 0x10000).left(10) << false; // 256 of 0
    }
    void shortPayloadReadsZeros()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, complete);
        m_page->netEventHandle(NetEvt_FileProgress, payload);
        QCOMPARE(status(), complete ? QStringLiteral("数据更新完成！") : QStringLiteral("接收进度"));
    }

    void otherEventsChangeNothing()
    {
        m_page->netEventHandle(NetEvt_FileProgress, payload(10, 100));
        for (int id : {int(NetEvt_LinkState), int(NetEvt_ScanFinished), int(NetEvt_InstrumentFound), 0})
            m_page->netEventHandle(id, payload(100, 100));
        QCOMPARE(child<QProgressBar>("serverProgressBar")->value(), 10);
        QCOMPARE(status(), QStringLiteral("接收进度"));
    }

    void oneFetchPerVisit()
    {
        QSignalSpy cmds(m_page, &IFunWidget::sendCmd);
        QPushButton *fetch = child<QPushButton>("pushButton");
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
        if (kind == QLatin1String("valid")) {
            QCOMPARE(DemoDataBuilder::build(path, options), 5);
        } else if (kind != QLatin1String("cancel") && kind != QLatin1String("self")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (kind == QLatin1String("random"))
                f.write(QByteArray(4096, '\x5a'));
        }
        if (kind == QLatin1String("self"))
            path = QFileInfo(DbManage::databasePath()).absoluteFilePath();
        if (kind == QLatin1String("cancel"))
            path.clear();
        child<QLineEdit>("lineEditFilePath")->setText(QStringLiteral("before"));

        FileDialogs::pushNextFileName(path);
        child<QPushButton>("btnLoadFile")->click();

        QCOMPARE(child<QLineEdit>("lineEditFilePath")->text(), path.isEmpty() ? QStringLiteral("before") : path);
        QVERIFY(!child<QLineEdit>("lineEditFilePath")->text().contains(QLatin1Char('\\')));
        QVERIFY(m_db->isOpen());
        QCOMPARE(SampleInfoAccess::getCount(), rowsAfter < 0 ? baseline.size() : rowsAfter);
        if (!path.isEmpty()) {
            const FileDialogs::Request request = FileDialogs::lastRequest();
            QCOMPARE(request.caption, QStringLiteral("数据库文件路径"));
            QCOMPARE(request.filter, QStringLiteral("AppDatabase.db"));
            QCOMPARE(request.dir, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        }
    }

    void realTimeCurvePlaceholder()
    {
        RealTimeCurve *page = RealTimeCurve::getInstance();
        QCOMPARE(RealTimeCurve::getInstance(), page);
        page->initWidget();
        QCOMPARE(page->getTitle(), QStringLiteral("实时曲线"));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("label"))->text(),
                 QStringLiteral("实时曲线界面功能待开发，敬请期待。。。。。。"));
        page->netEventHandle(NetEvt_FileProgress, payload(1, 1)); // the base's empty handler
        QPointer<RealTimeCurve> guard(page);
        page->releaseInstance();
        QVERIFY(guard.isNull());
    }
};

VIREON_TEST_MAIN(TstMachineOtherSet)
#include "tst_machineotherset.moc"

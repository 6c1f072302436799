// An upload of the database file: handed over by the link, installed by the
// database manager's safe replace, new rows visible on the open connection.
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "linkfixture.h"

class TestLinkDatabase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void uploadedDatabaseReplacesOpenOne();
    void secondUploadBeforeInstallKeepsTheFirst();

private:
    std::unique_ptr<DbManage> m_db;
    std::unique_ptr<WorkerRig> m_rig;
};

void TestLinkDatabase::initTestCase()
{
    LogCapture::install();
    QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 1, 1) > 0);
    m_db = std::make_unique<DbManage>();
    QVERIFY(m_db->openDatabase());
    m_rig = std::make_unique<WorkerRig>();
}

void TestLinkDatabase::cleanupTestCase()
{
    m_rig.reset();
    m_db.reset();
}

void TestLinkDatabase::uploadedDatabaseReplacesOpenOne()
{
    const int rowsBefore = SampleInfoAccess::getCount();
    const QString source = TestEnv::instance()->path("instrument.db");
    const int written = DemoDataBuilder::build(source, 6, 2);
    QVERIFY(written > 0);

    // The main window's part: install through the safe replace, then delete.
    QString handedOver;
    qint64 handedTotal = 0;
    bool replaced = false;
    QObject::connect(
        m_rig->proc, &NetlPortProc::databaseFileReceived, &m_rig->log,
        [&](QString tempPath, qint64 total) {
            handedOver = tempPath;
            handedTotal = total;
            QVERIFY(QFileInfo(tempPath).absolutePath() == QFileInfo("./app").absoluteFilePath());
            replaced = DbManage::instance()->replaceDatabase(tempPath);
            QFile::remove(tempPath);
        },
        Qt::QueuedConnection);

    FakeInstrumentProcess fake(fakeArgs(*m_rig, "127.0.0.2", {"--upload", source, "--upload-name", "AppDatabase.db"}));
    QVERIFY(fake.ready());
    m_rig->command(Cmd_ConnectInstrument);
    m_rig->command(Cmd_FetchDataFile);
    QTRY_VERIFY_WITH_TIMEOUT(!handedOver.isEmpty(), 15000);
    QVERIFY(replaced);
    QCOMPARE(handedTotal, qint64(16 + 4 + 2 * 14 + QFileInfo(source).size()));
    QVERIFY(!QFile::exists(handedOver));

    // The open connection now sees the uploaded rows.
    const int rowsAfter = SampleInfoAccess::getCount();
    QVERIFY2(rowsAfter > rowsBefore, qPrintable(QString("%1 -> %2").arg(rowsBefore).arg(rowsAfter)));
    // The link left the final progress event to the GUI side.
    m_rig->flush();
    for (const QVariant &v : m_rig->log.values(NetEvt_FileProgress)) {
        const TransferProgress p = TransferProgress::decode(v.toByteArray());
        QVERIFY(p.received < p.total);
    }
}

// The window installs an upload only when its event loop gets to it (a
// message box may hold it): a second upload must not land on the first.
void TestLinkDatabase::secondUploadBeforeInstallKeepsTheFirst()
{
    const QString source = TestEnv::instance()->path("instrument2.db");
    QList<QPair<QString, QByteArray>> handed; // path, its bytes at hand-over
    // The handler of an earlier test holds references to its own locals.
    QObject::disconnect(m_rig->proc, &NetlPortProc::databaseFileReceived, &m_rig->log, nullptr);
    const QMetaObject::Connection handler = QObject::connect(
        m_rig->proc, &NetlPortProc::databaseFileReceived, &m_rig->log,
        [&](QString tempPath, qint64) {
            QFile f(tempPath);
            handed << qMakePair(tempPath, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        },
        Qt::QueuedConnection);

    FakeInstrumentProcess fake(fakeArgs(*m_rig, "127.0.0.2", {"--upload", source, "--upload-name", "AppDatabase.db"}));
    QVERIFY(fake.ready());
    m_rig->command(Cmd_ConnectInstrument);
    QList<int> rows;
    for (int upload = 0; upload < 2; ++upload) {
        // The instrument opens its file anew for every upload.
        rows << DemoDataBuilder::build(source, 3 + upload, 10 + upload);
        QVERIFY(rows.last() > 0);
        m_rig->command(Cmd_FetchDataFile);
        QTRY_COMPARE_WITH_TIMEOUT(handed.size(), upload + 1, 15000);
    }
    QVERIFY(handed.at(0).first != handed.at(1).first);
    for (int upload = 0; upload < 2; ++upload) {
        const QString path = handed.at(upload).first;
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), handed.at(upload).second); // nothing wrote over it
        f.close();
        QVERIFY(DbManage::instance()->replaceDatabase(path));
        QVERIFY(QFile::remove(path));
        QCOMPARE(SampleInfoAccess::getCount(), rows.at(upload));
    }
    QObject::disconnect(handler);
}

VIREON_TEST_MAIN(TestLinkDatabase)
#include "tst_linkdatabase.moc"

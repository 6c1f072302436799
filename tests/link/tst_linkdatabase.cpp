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
    void initTestCase()
    {
        LogCapture::install();
        QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 1, 1) > 0);
        m_db = std::make_unique<DbManage>();
        QVERIFY(m_db->openDatabase());
        m_rig = std::make_unique<WorkerRig>();
    }

    void cleanupTestCase()
    {
        m_rig.reset();
        m_db.reset();
    }

    // The window installs an upload only when its event loop gets to it (a
    // message box may hold it): a second upload must not land on the first.
    void uploadsAreHandedOverWholeAndInstalled()
    {
        const int rowsBefore = SampleInfoAccess::getCount();
        const QString source = TestEnv::instance()->path("instrument.db");
        struct Handed {
            QString path;
            QByteArray bytes; // at hand-over
            qint64 total;
        };
        QList<Handed> handed;
        QObject::connect(
            m_rig->proc, &NetlPortProc::databaseFileReceived, &m_rig->log,
            [&](QString tempPath, qint64 total) {
                handed << Handed{tempPath, TestEnv::readFile(tempPath), total};
            },
            Qt::QueuedConnection);

        FakeInstrumentProcess fake(
            fakeArgs(*m_rig, "127.0.0.2", {"--upload", source, "--upload-name", "AppDatabase.db"}));
        QVERIFY(fake.ready());
        m_rig->command(Cmd_ConnectInstrument);
        QList<int> rows;
        QList<qint64> sizes;
        for (int upload = 0; upload < 2; ++upload) {
            // The instrument opens its file anew for every upload.
            rows << DemoDataBuilder::build(source, 6 + upload, 10 + upload);
            sizes << QFileInfo(source).size();
            QVERIFY(rows.last() > rowsBefore);
            m_rig->command(Cmd_FetchDataFile);
            QTRY_COMPARE_WITH_TIMEOUT(handed.size(), upload + 1, 15000);
        }
        QVERIFY(handed.at(0).path != handed.at(1).path);
        for (int upload = 0; upload < 2; ++upload) {
            const Handed &h = handed.at(upload);
            QCOMPARE(QFileInfo(h.path).absolutePath(), QFileInfo("./app").absoluteFilePath());
            QCOMPARE(h.total, qint64(16 + 4 + 2 * 14 + sizes.at(upload)));
            QCOMPARE(TestEnv::readFile(h.path), h.bytes); // complete at hand-over, nothing wrote over it
            // The main window's part: install through the safe replace, then delete.
            QVERIFY(DbManage::instance()->replaceDatabase(h.path));
            QVERIFY(QFile::remove(h.path));
            // The open connection sees the uploaded rows.
            QCOMPARE(SampleInfoAccess::getCount(), rows.at(upload));
        }
        // The link left the final progress event to the GUI side.
        m_rig->flush();
        for (const QVariant &v : m_rig->log.values(NetEvt_FileProgress)) {
            const TransferProgress p = TransferProgress::decode(v.toByteArray());
            QVERIFY(p.received < p.total);
        }
    }

private:
    std::unique_ptr<DbManage> m_db;
    std::unique_ptr<WorkerRig> m_rig;
};

VIREON_TEST_MAIN(TestLinkDatabase)
#include "tst_linkdatabase.moc"

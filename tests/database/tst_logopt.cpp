#include "support/testenv.h"

#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "database/loginfoaccess.h"
#include "database/loginfomodel.h"
#include "database/logopt.h"

#include <QFile>
#include <QSqlQuery>

class TestLogOpt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_manager.openDatabase() && m_manager.checkTables()); }

    void init() { QVERIFY(QSqlQuery().exec(QStringLiteral("DELETE FROM LogInfoTable"))); }

    // A missing text file gives empty texts, not a lost entry.
    void textsFollowLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("logId");
        QTest::addColumn<QString>("outline");
        QTest::addColumn<QString>("daily");
        QTest::addColumn<bool>("textFileMissing");
        const int start = LogOpt::LOG_APP_START;
        const int flag = LogOpt::LOG_SHUTDOWN_FLAG_SET;
        const QString none;
        QTest::newRow("traditional Chinese") << 0 << start << "程式啟動" << QString("應用程式已啟動") << false;
        QTest::newRow("simplified Chinese")
            << 3 << flag << "設置運行標誌" << QString("本次運行的關機標誌已設置") << false;
        QTest::newRow("Spanish uses English")
            << 2 << flag << "Shutdown flag set" << QString("The shutdown flag of this run has been set.") << false;
        QTest::newRow("unknown id") << 1 << 99 << none << none << false;
        QTest::newRow("text file missing") << 1 << start << none << none << true;
    }

    void textsFollowLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, logId);
        QFETCH(QString, outline);
        QFETCH(QString, daily);
        QFETCH(bool, textFileMissing);
        SystemConfig::getInstance()->setSystemLanguage(language);
        const QString textFile = LogOpt::textFilePath(language);
        if (textFileMissing)
            QVERIFY(QFile::rename(textFile, textFile + ".away"));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const bool written = LogOpt::getInstance()->writeLog(logId);
        if (textFileMissing)
            QVERIFY(QFile::rename(textFile + ".away", textFile));
        QVERIFY(written);

        LogInfoAccess access;
        QCOMPARE(access.getModel(0, 10), 1);
        const LogInfoModel *entry = access.m_listModel.first();
        QCOMPARE(QVariantList({entry->ID, entry->Outline, entry->Daily}), QVariantList({logId, outline, daily}));
        const QDateTime stamped(entry->Date, entry->Time);
        QVERIFY(stamped >= before.addSecs(-1) && stamped <= QDateTime::currentDateTime().addSecs(1));
        QCOMPARE(entry->Key, entry->Date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("0001"));
    }

    void keysCountUpPerDay()
    {
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const QString yesterday = QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd"));
        QCOMPARE(LogInfoAccess::nextKey(QDate::currentDate()), today + QStringLiteral("0001"));
        QSqlQuery q;
        const QString insert = QStringLiteral("INSERT INTO LogInfoTable VALUES ('%1', 4, '', '', '', '')");
        QVERIFY(q.exec(insert.arg(yesterday + "0077")) && q.exec(insert.arg(today + "0041")));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_SHUTDOWN_FLAG_SET));
        LogInfoAccess access;
        QCOMPARE(access.getModel(0, 2), 2);
        QCOMPARE(
            QVariantList({access.m_listModel.at(0)->Key, access.m_listModel.at(0)->ID, access.m_listModel.at(1)->Key}),
            QVariantList({today + "0043", int(LogOpt::LOG_SHUTDOWN_FLAG_SET), today + "0042"}));
        QCOMPARE(LogInfoAccess::getCount(), 4);

        // A full day cannot take another entry, and nothing is overwritten.
        QVERIFY(q.exec(insert.arg(today + "9999")));
        QVERIFY(!LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START));
        QCOMPARE(LogInfoAccess::getCount(), 5);
    }

    void closedDatabaseIsAFailure()
    {
        QSqlDatabase::database().close();
        QVERIFY(!LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START));
        QVERIFY(m_manager.openDatabase());
        QCOMPARE(LogInfoAccess::getCount(), 0);
    }

private:
    DbManage m_manager;
};

VIREON_TEST_MAIN(TestLogOpt)
#include "tst_logopt.moc"

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
    void initTestCase()
    {
        QVERIFY(m_manager.openDatabase());
        QVERIFY(m_manager.checkTables());
    }

    void init()
    {
        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("DELETE FROM LogInfoTable")));
    }

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
        QTest::newRow("traditional Chinese") << 0 << start << "程式啟動"
                                             << "應用程式已啟動" << false;
        QTest::newRow("simplified Chinese") << 3 << flag << "設置運行標誌"
                                            << "本次運行的關機標誌已設置" << false;
        QTest::newRow("Spanish uses English") << 2 << flag << "Shutdown flag set"
                                              << "The shutdown flag of this run has been set." << false;
        QTest::newRow("unknown id") << 1 << 99 << ""
                                    << "" << false;
        QTest::newRow("text file missing") << 1 << start << ""
                                           << "" << true;
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
        LogInfoModel *entry = onlyEntry(access);
        QVERIFY(entry);
        QCOMPARE(entry->ID, logId);
        QCOMPARE(entry->Outline, outline);
        QCOMPARE(entry->Daily, daily);
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
        QVERIFY(q.exec(
            QStringLiteral("INSERT INTO LogInfoTable VALUES ('%1', 4, '', '', '', '')").arg(yesterday + "0077")));
        QVERIFY(
            q.exec(QStringLiteral("INSERT INTO LogInfoTable VALUES ('%1', 4, '', '', '', '')").arg(today + "0041")));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_SHUTDOWN_FLAG_SET));
        LogInfoAccess access;
        QCOMPARE(access.getModel(0, 2), 2);
        QCOMPARE(access.m_listModel.at(0)->Key, today + QStringLiteral("0043"));
        QCOMPARE(access.m_listModel.at(0)->ID, int(LogOpt::LOG_SHUTDOWN_FLAG_SET));
        QCOMPARE(access.m_listModel.at(1)->Key, today + QStringLiteral("0042"));
        QCOMPARE(LogInfoAccess::getCount(), 4);

        // A full day cannot take another entry, and nothing is overwritten.
        QVERIFY(
            q.exec(QStringLiteral("INSERT INTO LogInfoTable VALUES ('%1', 4, '', '', '', '')").arg(today + "9999")));
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
    LogInfoModel *onlyEntry(LogInfoAccess &access)
    {
        if (access.getModel(0, 10) != 1)
            return nullptr;
        return access.m_listModel.first();
    }
    DbManage m_manager;
};

VIREON_TEST_MAIN(TestLogOpt)
#include "tst_logopt.moc"

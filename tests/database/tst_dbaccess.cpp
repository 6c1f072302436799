#include "support/testenv.h"

#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "database/loginfoaccess.h"
#include "database/loginfomodel.h"
#include "database/logopt.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"

#include <QFile>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

struct Fixture {
    const char *key;
    QVariant sampleId;
    QVariant patientId;
    int isDone;
};

// Keys encode the date; the newest row is not done, so a listing limited by
// the done count but not filtered by it would show it and cut the oldest.
const QVariant kNull(QVariant::String);
const QList<Fixture> kFixtures{
    {"202401010001", "O'Brien", "P1", 1}, {"202401010002", "O'Brien", "P1", 2}, {"202401020001", "1A", "P2", 1},
    {"202401020002", "1A", kNull, 2},     {"202401030001", "2", "P3", 1},       {"202401030002", "12", "P3", 1},
    {"202401040001", kNull, kNull, 1},    {"202401050001", "%1", "P5", 2},      {"202412310001", "2B", "P4", 0},
};

bool insertRow(const Fixture &f)
{
    const QString key = QLatin1String(f.key);
    QSqlQuery q;
    q.prepare(QStringLiteral("INSERT INTO SampleInfoTable VALUES (?%1)").arg(QStringLiteral(",?").repeated(91)));
    QVariantList values{key, 7, f.sampleId, "SBT-" + key.right(4), "13", f.patientId, "note", f.isDone, 5, key.left(8)};
    values << "093005";
    for (int i = 0; i < 81; ++i)
        values << (i < 40 ? QVariant(i * 100 + 1) : i == 40 ? QVariant(23.45) : QVariant(60000 + i - 41));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        qWarning() << q.lastError().text();
    return q.isActive();
}

QStringList keysOf(const QList<SampleInfoModel *> &models)
{
    QStringList keys;
    for (const SampleInfoModel *m : models)
        keys << m->Key;
    return keys;
}

} // namespace

class TestDbAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_manager.openDatabase());
        QVERIFY(m_manager.checkTables());
        for (const Fixture &f : kFixtures)
            QVERIFY(insertRow(f));
    }

    void init() { QVERIFY(QSqlQuery().exec(QStringLiteral("DELETE FROM LogInfoTable"))); }

    void pagesNewestFirst()
    {
        // Only done rows count and list.
        SampleInfoAccess access;
        QCOMPARE(SampleInfoAccess::getCount(), 8);
        QCOMPARE(access.getTotalCount(), 8);
        QCOMPARE(access.getModel(0, 100), 8);
        QCOMPARE(access.m_listModel.first()->Key, QStringLiteral("202401050001"));
        QCOMPARE(access.m_listModel.last()->Key, QStringLiteral("202401010001"));
        QCOMPARE(access.getModel(2, 3), 3);
        QCOMPARE(keysOf(access.m_listModel), QStringList({"202401030002", "202401030001", "202401020002"}));
        QCOMPARE(access.getModel(8, 10), 0);
        QVERIFY(access.m_listModel.isEmpty());
    }

    void readsEveryColumn()
    {
        SampleInfoAccess access;
        QCOMPARE(access.getModel(0, 100), 8);
        // Empty, not done, quoted: nothing found; a found key replaces the page.
        for (const QString &key : {QString(), QStringLiteral("202412310001"), QStringLiteral("2024'0101")})
            QCOMPARE(access.findKeyModel(key), 0);
        QCOMPARE(access.findKeyModel(QStringLiteral("202401020002")), 1);
        QCOMPARE(access.m_listModel.size(), 1);
        const SampleInfoModel *m = access.m_listModel.first();
        QCOMPARE(m->Key, QStringLiteral("202401020002"));
        QCOMPARE(m->PanelType, 7);
        QCOMPARE(m->SampleId, QStringLiteral("1A"));
        QCOMPARE(m->SBTId, QStringLiteral("SBT-0002"));
        QCOMPARE(m->PIEId, QStringLiteral("13"));
        QCOMPARE(m->PatientId, QString(""));
        QCOMPARE(m->NoteInfo, QStringLiteral("note"));
        QCOMPARE(int(m->isDone), 2);
        QCOMPARE(int(m->Result), 5);
        QCOMPARE(m->date, QDate(2024, 1, 2));
        QCOMPARE(m->time, QTime(9, 30, 5));
        QCOMPARE(m->ctvalue, 23.45);
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(m->data[i], quint16(i * 100 + 1));
            QCOMPARE(m->prodata[i], quint16(60000 + i));
        }
    }

    void filter_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("sampleId");
        QTest::addColumn<QString>("patientId");
        QTest::addColumn<QStringList>("keys");
        const QDate from(2024, 1, 1);
        const QDate to(2024, 12, 31);
        const QString any;
        QTest::newRow("quote") << from << to << "O'Brien" << any << QStringList{"202401010002", "202401010001"};
        QTest::newRow("digit") << from << to << "2" << any << QStringList{"202401030002", "202401030001"};
        QTest::newRow("placeholder-like")
            << from << to << "%1" << any << QStringList{"202401050001", "202401030002", "202401020002", "202401020001"};
        QTest::newRow("underscore wildcard")
            << from << to << "1_" << any << QStringList{"202401030002", "202401020002", "202401020001"};
        QTest::newRow("empty filters match NULL columns")
            << from << to << any << any << QStringList{"202401050001", "202401040001", "202401030002", "202401030001",
                                                       "202401020002", "202401020001", "202401010002", "202401010001"};
        QTest::newRow("patient") << from << to << any << "P3" << QStringList{"202401030002", "202401030001"};
        QTest::newRow("injection stays text") << from << to << "x' OR '1'='1" << any << QStringList{};
        QTest::newRow("one day, both ends included")
            << QDate(2024, 1, 2) << QDate(2024, 1, 3) << any << any
            << QStringList{"202401030002", "202401030001", "202401020002", "202401020001"};
    }

    void filter()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, sampleId);
        QFETCH(QString, patientId);
        QFETCH(QStringList, keys);

        SampleInfoAccess access;
        QCOMPARE(access.getFilterCount(start, end, sampleId, patientId), keys.size());
        access.setFilter(start, end, sampleId, patientId);
        QVERIFY(!access.m_bFilter); // setting the filter text does not switch the filter on
        QCOMPARE(access.getModel(0, 100), 8);
        access.m_bFilter = true;
        // The page shows exactly the rows the query dialog counted, and pages through them.
        QCOMPARE(access.getModel(0, 100), keys.size());
        QCOMPARE(keysOf(access.m_listModel), keys);
        QCOMPARE(access.getModel(1, 1), keys.mid(1, 1).size());
        QCOMPARE(keysOf(access.m_listModel), keys.mid(1, 1));
    }

    void exportSqlSelectsDoneRows()
    {
        // The column order is the history export's own end-to-end check.
        SampleInfoAccess access;
        const QString sql = access.getExportSql();
        QSqlQuery q;
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        QStringList dates;
        while (q.next()) {
            QCOMPARE(q.record().count(), 47);
            dates << q.value(5).toString();
        }
        // All eight done rows, the oldest included; the newer not-done row absent.
        QCOMPARE(dates.size(), 8);
        QCOMPARE(dates.first(), QStringLiteral("20240105"));
        QCOMPARE(dates.last(), QStringLiteral("20240101"));
    }

    void ownsItsRecords()
    {
        auto *access = new SampleInfoAccess(this);
        QCOMPARE(access->getModel(0, 2), 2);
        QPointer<SampleInfoModel> replaced = access->m_listModel.first();
        QCOMPARE(access->getModel(2, 2), 2);
        QVERIFY(replaced.isNull());
        QPointer<SampleInfoModel> kept = access->m_listModel.first();
        delete access;
        QVERIFY(kept.isNull());
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
        const QString none;
        QTest::newRow("traditional Chinese") << 0 << start << "程式啟動" << QString("應用程式已啟動") << false;
        QTest::newRow("simplified Chinese")
            << 3 << flag << "設置運行標誌" << QString("本次運行的關機標誌已設置") << false;
        QTest::newRow("English") << 1 << start << "Application start" << QString("The application has started.")
                                 << false;
        QTest::newRow("Spanish uses English")
            << 2 << flag << "Shutdown flag set" << QString("The shutdown flag of this run has been set.") << false;
        QTest::newRow("Japanese uses English") << 5 << int(LogOpt::LOG_APP_EXIT) << "Application exit"
                                               << QString("The application was closed normally.") << false;
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
        QCOMPARE(entry->ID, logId);
        QCOMPARE(entry->Outline, outline);
        QCOMPARE(entry->Daily, daily);
        const QDateTime stamped(entry->Date, entry->Time);
        QVERIFY2(stamped >= before.addSecs(-1), qPrintable(stamped.toString(Qt::ISODate)));
        QVERIFY2(stamped <= QDateTime::currentDateTime().addSecs(1), qPrintable(stamped.toString(Qt::ISODate)));
        QCOMPARE(entry->Key, entry->Date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("0001"));
    }

    void keysCountUpPerDay()
    {
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const QString yesterday = QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyyMMdd"));
        QCOMPARE(LogInfoAccess::nextKey(QDate::currentDate()), today + QStringLiteral("0001"));
        QSqlQuery q;
        const QString insert = QStringLiteral("INSERT INTO LogInfoTable VALUES ('%1', 4, '', '', '', '')");
        QVERIFY(q.exec(insert.arg(yesterday + "0077")));
        QVERIFY(q.exec(insert.arg(today + "0041")));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START));
        QVERIFY(LogOpt::getInstance()->writeLog(LogOpt::LOG_SHUTDOWN_FLAG_SET));
        LogInfoAccess access;
        QCOMPARE(access.getModel(0, 2), 2);
        QCOMPARE(access.m_listModel.at(0)->Key, today + "0043");
        QCOMPARE(access.m_listModel.at(0)->ID, int(LogOpt::LOG_SHUTDOWN_FLAG_SET));
        QCOMPARE(access.m_listModel.at(1)->Key, today + "0042");
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

VIREON_TEST_MAIN(TestDbAccess)
#include "tst_dbaccess.moc"

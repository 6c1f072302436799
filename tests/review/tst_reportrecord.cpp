#include "support/testenv.h"

#include "pages/historyfixture.h"

#include "core/common.h"
#include "review/reportrecord.h"

using HistoryFixture::row;

// The two database reads of the report: which records of a run it shows, in
// which order, and how each record's texts and curve come out.
class TestReportRecord : public QObject
{
    Q_OBJECT

private:
    DbManage m_db;

    static DemoSampleRow curveRow(const QString &key, const QString &sampleId, const QString &date, const QString &time,
                                  int result = 0, double ct = 25.0, int panel = 1)
    {
        DemoSampleRow r = row(key, sampleId, "0", result, date, time, ct, panel);
        for (int i = 0; i < 40; ++i)
            r.prodata[i] = static_cast<quint16>(key.right(2).toInt() * 100 + i);
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.openDatabase() && m_db.checkTables());
        QVERIFY(HistoryFixture::replaceWith({
            curveRow("2024030100011", "S1", "20240301", "090000"),
            curveRow("2024030100012", "S1", "20240301", "090000"),
            curveRow("2024030100013", "S1", "20240301", "090000"),
            curveRow("2024030100014", "S1", "20240301", "090001"), // one second later: another run
            curveRow("2024030100015", "S2", "20240301", "090000"), // another sample
            curveRow("2024030100016", "S1", "20240302", "090000"), // another day
            curveRow("2024030100017", "O'Brien", "20240301", "090000"),
            curveRow("2024030100018", "O'Brien", "20240301", "090000"),
            row("2024030100019", "S1", "0", 0, "20240301", "090000", 20.0, 1, 0), // not done
        }));
    }

    // Only paired keys of the first key's run, newest key first, whatever
    // the order of the keys.
    void pairingAndOrder_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("sampleId");
        QTest::addColumn<QStringList>("expected"); // last two digits of the keys
        const auto add = [](const char *name, const QStringList &keys, const char *id, const QStringList &expected) {
            QTest::newRow(name) << keys << QString(id) << expected;
        };
        add("whole run", {"2024030100011", "2024030100012", "2024030100013"}, "S1", {"13", "12", "11"});
        add("keys shuffled", {"2024030100012", "2024030100013", "2024030100011"}, "S1", {"13", "12", "11"});
        add("some keys of the run", {"2024030100011", "2024030100013"}, "S1", {"13", "11"});
        add("foreign keys skipped",
            {"2024030100012", "2024030100014", "2024030100015", "2024030100016", "2024030100019"}, "S1", {"12"});
        add("unknown key adds nothing", {"2024030100011", "2099010100001"}, "S1", {"11"});
        add("empty key list", {}, "S1", {});
        add("quote in the sample id", {"2024030100017", "2024030100018"}, "O'Brien", {"18", "17"});
        add("quote that would end the text", {"2024030100011"}, "S1' OR '1'='1", {});
    }
    void pairingAndOrder()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, sampleId);
        QFETCH(QStringList, expected);
        const QDate date(2024, 3, 1);
        const QTime t(9, 0);
        QList<QStringList> rows;
        QList<QList<int>> curves;
        QCOMPARE(ReportRecord::loadRun(keys, sampleId, date, t, &rows, &curves), !expected.isEmpty());
        QCOMPARE(rows.size(), curves.size());
        QStringList got;
        for (const QList<int> &c : curves) {
            got << QString::number(c.first() / 100);
            for (int i = 0; i < 40; ++i)
                QCOMPARE(c.value(i, -1), c.first() / 100 * 100 + i);
            QCOMPARE(c.size(), 40);
        }
        QCOMPARE(got, expected);
        for (const QStringList &r : rows)
            QCOMPARE(r.size() == 4 ? r.at(3) : QString(), sampleId);
        // The single-list reads agree with the combined one.
        QCOMPARE(ReportRecord::loadResultList(keys, sampleId, date, t), rows);
        QCOMPARE(ReportRecord::loadCurveData(keys, sampleId, date, t), curves);
    }

    // Item name, Ct text and mark of one record.
    void rowTexts_data()
    {
        QTest::addColumn<double>("ct");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("ctText");
        QTest::addColumn<QString>("mark");
        QTest::newRow("no amplification") << 41.0 << 1 << 1 << QString("0") << QString("-");
        QTest::newRow("just above 41") << 41.0000001 << 0 << 2 << QString("41") << QString("++");
        QTest::newRow("six digits") << 23.456789 << 3 << 3 << QString("23.4568") << QString("+++");
        QTest::newRow("whole number") << 30.0 << 2 << 6 << QString("30") << QString("+");
        QTest::newRow("suspect") << 37.5 << 4 << 12 << QString("37.5") << QString("*");
        QTest::newRow("invalid") << 8.25 << 5 << 22 << QString("8.25") << QString("Invalid");
        QTest::newRow("code 6") << 20.0 << 6 << 1 << QString("20") << QString();
        QTest::newRow("negative code") << 20.0 << -1 << 1 << QString("20") << QString();
        QTest::newRow("large code") << 20.0 << 70000 << 1 << QString("20") << QString();
        QTest::newRow("panel without a name") << 20.0 << 0 << 999 << QString("20") << QString("++");
    }
    void rowTexts()
    {
        QFETCH(double, ct);
        QFETCH(int, result);
        QFETCH(int, panel);
        QFETCH(QString, ctText);
        QFETCH(QString, mark);
        QVERIFY(HistoryFixture::insert({curveRow("2024040100001", "T", "20240401", "100000", result, ct, panel)}));
        const QList<QStringList> rows =
            ReportRecord::loadResultList({"2024040100001"}, "T", QDate(2024, 4, 1), QTime(10, 0));
        QSqlQuery().exec("DELETE FROM SampleInfoTable WHERE Key='2024040100001'");
        QCOMPARE(rows, (QList<QStringList>{{Common::getInstance()->getItemName(panel), ctText, mark, "T"}}));
    }

    // The header texts come from the settings; two builds in a row agree.
    void hospitalInfoAndRebuild()
    {
        TestEnv::seedIni({{"PrintConfig/HospitalName", "Clinic"},
                          {"PrintConfig/InspectorName", "555-0101"},
                          {"PrintConfig/DoctorName", "Dr. Who"},
                          {"PrintConfig/HospitalAddress", "1 Main St"},
                          {"PrintConfig/HospitalPhone", "555-0100"}});
        const QString today = QLocale::c().toString(QDate::currentDate(), "yyyy.MM.dd");
        ReportRecord a;
        a.hospitalInfo = ReportRecord::hospitalInfoFromSettings();
        QCOMPARE(a.hospitalInfo, (QStringList{"Clinic", today, "555-0101", "Dr. Who", "1 Main St", "555-0100"}));

        const QStringList keys{"2024030100013", "2024030100011", "2024030100012"};
        ReportRecord::loadRun(keys, "S1", QDate(2024, 3, 1), QTime(9, 0), &a.dataList, &a.CurveData);
        ReportRecord b;
        b.hospitalInfo = ReportRecord::hospitalInfoFromSettings();
        ReportRecord::loadRun(keys, "S1", QDate(2024, 3, 1), QTime(9, 0), &b.dataList, &b.CurveData);
        QVERIFY(a == b && a.dataList.size() == 3);
        b.CurveData[1][39] += 1;
        QVERIFY(a != b);

        // A second read replaces the lists: nothing stays from the first.
        ReportRecord::loadRun({}, "S1", QDate(2024, 3, 1), QTime(9, 0), &a.dataList, &a.CurveData);
        QVERIFY(a.dataList.isEmpty() && a.CurveData.isEmpty());
    }
};

VIREON_TEST_MAIN(TestReportRecord)
#include "tst_reportrecord.moc"

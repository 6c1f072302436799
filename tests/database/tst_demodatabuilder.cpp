#include "support/testenv.h"

#include "core/common.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"

#include <QProcess>
#include <QSet>

namespace {

QVariantList fields(const DemoSampleRow &r)
{
    const auto bytes = [](const void *data, int size) { return QByteArray(static_cast<const char *>(data), size); };
    return QVariantList{r.key, r.panelType, r.sampleId, r.pieId, r.patientId, r.isDone, r.result, r.date, r.time}
           << r.ctvalue << bytes(r.data, sizeof r.data) << bytes(r.prodata, sizeof r.prodata);
}

} // namespace

class TestDemoDataBuilder : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreConsistent()
    {
        DemoDataBuilder::Options options;
        options.runs = 200;
        options.seed = 3;
        const QVector<DemoSampleRow> rows = DemoDataBuilder::generate(options);
        // The same seed gives the same rows, another seed others.
        const QVector<DemoSampleRow> again = DemoDataBuilder::generate(options);
        QCOMPARE(again.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(fields(again.at(i)), fields(rows.at(i)));
        options.seed = 4;
        const QVector<DemoSampleRow> other = DemoDataBuilder::generate(options);
        QVERIFY(other.size() != rows.size() || fields(rows.first()) != fields(other.first()));

        const QList<int> codes = Common::itemCodes();
        QSet<QString> keys;
        QSet<int> results;
        QDate first = QDate::fromString(rows.first().date, QStringLiteral("yyyyMMdd"));
        QDate last = first;
        for (const DemoSampleRow &row : rows) {
            QVERIFY(!keys.contains(row.key) && row.key.size() == 12 && row.key.startsWith(row.date));
            keys.insert(row.key);
            const int pie = row.pieId.toInt();
            QVERIFY(pie >= 0 && pie <= 15 && codes.contains(row.panelType) && row.result >= 0 && row.result <= 5);
            QCOMPARE(row.isDone, pie < 8 ? 1 : 2); // FAM wells 0-7, VIC 8-15
            results.insert(row.result);
            QCOMPARE(row.ctvalue == 41.0, row.result == 1 || row.result == 5);
            const QDate date = QDate::fromString(row.date, QStringLiteral("yyyyMMdd"));
            QVERIFY(date.isValid());
            first = qMin(first, date);
            last = qMax(last, date);
            if (row.result == 3) // a strong positive rises well above its baseline
                QVERIFY(row.prodata[39] > 1000 && row.data[39] > row.data[0]);
        }
        QCOMPARE(results.size(), 6);
        QVERIFY(first.daysTo(last) > 300 && first.daysTo(last) < 366);
        // Keys ascend with date and time, so the newest run lists first.
        for (int i = 1; i < rows.size(); ++i)
            QVERIFY(rows.at(i - 1).key < rows.at(i).key);
    }

    void toolWritesReadableDatabase()
    {
        const QString out = TestEnv::instance()->path(QStringLiteral("tool/demo.db"));
        QProcess tool;
        tool.start(TestEnv::toolPath("demodb"), {"--out", out, "--runs", "12", "--seed", "5"});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(DbManage::isValidDatabaseFile(out));
        DemoDataBuilder::Options options;
        options.runs = 12;
        options.seed = 5;
        QVERIFY(QString::fromUtf8(tool.readAllStandardOutput())
                    .contains(QStringLiteral("wrote %1 rows").arg(DemoDataBuilder::generate(options).size())));

        tool.start(TestEnv::toolPath("demodb"), {"--runs", "x"});
        QVERIFY(tool.waitForFinished(30000) && tool.exitCode() != 0);
    }
};

VIREON_TEST_MAIN(TestDemoDataBuilder)
#include "tst_demodatabuilder.moc"

#include "support/testenv.h"

#include "database/dbmanage.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"

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

QVariant null()
{
    return QVariant(QVariant::String);
}

// Keys encode the date; the newest row is not done, so a listing limited by
// the done count but not filtered by it would show it and cut the oldest.
const QList<Fixture> &fixtures()
{
    static const QList<Fixture> rows{
        {"202401010001", QStringLiteral("O'Brien"), QStringLiteral("P1"), 1},
        {"202401010002", QStringLiteral("O'Brien"), QStringLiteral("P1"), 2},
        {"202401020001", QStringLiteral("1A"), QStringLiteral("P2"), 1},
        {"202401020002", QStringLiteral("1A"), null(), 2},
        {"202401030001", QStringLiteral("2"), QStringLiteral("P3"), 1},
        {"202401030002", QStringLiteral("12"), QStringLiteral("P3"), 1},
        {"202401040001", null(), null(), 1},
        {"202401050001", QStringLiteral("%1"), QStringLiteral("P5"), 2},
        {"202412310001", QStringLiteral("2B"), QStringLiteral("P4"), 0},
    };
    return rows;
}

bool insertRow(const QString &key, const QVariant &sampleId, const QVariant &patientId, int isDone, const QString &date,
               const QString &time)
{
    QStringList marks;
    for (int i = 0; i < 92; ++i)
        marks << QStringLiteral("?");
    QSqlQuery q;
    q.prepare(QStringLiteral("INSERT INTO SampleInfoTable VALUES (%1)").arg(marks.join(QLatin1Char(','))));
    QVariantList values{key,
                        7,
                        sampleId,
                        QStringLiteral("SBT-") + key.right(4),
                        QStringLiteral("13"),
                        patientId,
                        QStringLiteral("note"),
                        isDone,
                        5,
                        date,
                        time};
    for (int i = 0; i < 40; ++i)
        values << i * 100 + 1;
    values << 23.45;
    for (int i = 0; i < 40; ++i)
        values << 60000 + i;
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec()) {
        qWarning() << q.lastError().text();
        return false;
    }
    return true;
}

QStringList keysOf(const QList<SampleInfoModel *> &models)
{
    QStringList keys;
    for (const SampleInfoModel *m : models)
        keys << m->Key;
    return keys;
}

} // namespace

class TestSampleInfoAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_manager.openDatabase());
        QVERIFY(m_manager.checkTables());
        for (const Fixture &f : fixtures()) {
            const QString key = QLatin1String(f.key);
            QVERIFY(insertRow(key, f.sampleId, f.patientId, f.isDone, key.left(8), QStringLiteral("093005")));
        }
    }

    void pagesNewestFirst()
    {
        // Only done rows count and list.
        QCOMPARE(SampleInfoAccess::getCount(), 8);
        SampleInfoAccess access;
        QCOMPARE(access.getTotalCount(), 8);
        QCOMPARE(access.getModel(0, 100), 8);
        QCOMPARE(keysOf(access.m_listModel).first(), QStringLiteral("202401050001"));
        QCOMPARE(keysOf(access.m_listModel).last(), QStringLiteral("202401010001"));
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
        QVERIFY(m->PatientId.isEmpty());
        QCOMPARE(m->NoteInfo, QStringLiteral("note"));
        QCOMPARE(m->isDone, quint8(2));
        QCOMPARE(m->Result, qint8(5));
        QCOMPARE(m->date, QDate(2024, 1, 2));
        QCOMPARE(m->time, QTime(9, 30, 5));
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(m->data[i], quint16(i * 100 + 1));
            QCOMPARE(m->prodata[i], quint16(60000 + i));
        }
        QCOMPARE(m->ctvalue, 23.45);
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
        QTest::newRow("quote") << from << to << "O'Brien"
                               << "" << QStringList{"202401010002", "202401010001"};
        QTest::newRow("digit") << from << to << "2"
                               << "" << QStringList{"202401030002", "202401030001"};
        QTest::newRow("placeholder-like")
            << from << to << "%1"
            << "" << QStringList{"202401050001", "202401030002", "202401020002", "202401020001"};
        QTest::newRow("underscore wildcard") << from << to << "1_"
                                             << "" << QStringList{"202401030002", "202401020002", "202401020001"};
        QTest::newRow("empty filters match NULL columns")
            << from << to << ""
            << "" << QStringList{"202401050001", "202401040001", "202401030002", "202401030001",
                                 "202401020002", "202401020001", "202401010002", "202401010001"};
        QTest::newRow("patient") << from << to << ""
                                 << "P3" << QStringList{"202401030002", "202401030001"};
        QTest::newRow("injection stays text") << from << to << "x' OR '1'='1"
                                              << "" << QStringList{};
        QTest::newRow("one day, both ends included")
            << QDate(2024, 1, 2) << QDate(2024, 1, 3) << ""
            << "" << QStringList{"202401030002", "202401030001", "202401020002", "202401020001"};
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
        access.m_bFilter = true;
        access.setFilter(start, end, sampleId, patientId);
        // The page shows exactly the rows the query dialog counted.
        QCOMPARE(access.getModel(0, 100), keys.size());
        QCOMPARE(keysOf(access.m_listModel), keys);
    }

    void filteredPaging()
    {
        SampleInfoAccess access;
        access.setFilter(QDate(2024, 1, 1), QDate(2024, 12, 31), QStringLiteral("O'Brien"), QString());
        QVERIFY(!access.m_bFilter); // setting the filter text does not switch the filter on
        QCOMPARE(access.getModel(0, 100), 8);
        access.m_bFilter = true;
        QCOMPARE(access.getModel(1, 1), 1);
        QCOMPARE(access.m_listModel.first()->Key, QStringLiteral("202401010001"));
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

private:
    DbManage m_manager;
};

VIREON_TEST_MAIN(TestSampleInfoAccess)
#include "tst_sampleinfoaccess.moc"

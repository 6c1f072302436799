#include "database/driver/zsqlitecipherdriver.h"
#include "support/testenv.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

// The Qt SQL driver over the page codec: statements, placeholders, result
// navigation, transactions, catalogue and error reporting.
class TstDriver : public QObject
{
    Q_OBJECT

private:
    QString m_path;

    static QSqlDatabase db() { return QSqlDatabase::database(); }

    static bool run(const QString &sql)
    {
        QSqlQuery q;
        const bool ok = q.exec(sql);
        if (!ok)
            qWarning() << sql << q.lastError().text();
        return ok;
    }

    // The first value of a one-row query; invalid when there is none.
    static QVariant scalar(const QString &sql)
    {
        QSqlQuery q;
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }

private slots:
    void initTestCase()
    {
        m_path = TestEnv::instance()->path(QStringLiteral("app/driver.db"));
        QSqlDatabase database = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver);
        database.setDatabaseName(m_path);
        QVERIFY(database.open());
        QVERIFY(run(QStringLiteral("CREATE TABLE T (Key TEXT PRIMARY KEY, N INTEGER, D REAL, B BLOB, S TEXT)")));
    }

    void init() { QVERIFY(run(QStringLiteral("DELETE FROM T"))); }

    void cleanupTestCase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    void valuesRoundTripWithTheirTypes()
    {
        QSqlQuery ins;
        QVERIFY(ins.prepare(QStringLiteral("INSERT INTO T VALUES (?, ?, ?, ?, ?)")));
        const QByteArray blob("\x00\x01\xff\x00zz", 6);
        const QString text = QStringLiteral("犬貓 O'Brien \"q\" ü");
        for (const QVariant &v : QVariantList{"k1", qint64(1) << 40, 41.0, blob, text})
            ins.addBindValue(v);
        QVERIFY2(ins.exec(), qPrintable(ins.lastError().text()));
        QCOMPARE(ins.numRowsAffected(), 1);
        QCOMPARE(ins.lastInsertId().toLongLong(), 1LL);
        // The same statement again, with new values: nothing of the first binding may stay.
        // A signed byte is bound as a number, not as a character.
        for (const QVariant &v : QVariantList{"k2", QVariant(QVariant::Int), QVariant(static_cast<signed char>(-5)),
                                              QVariant(QVariant::ByteArray), QString("")})
            ins.addBindValue(v);
        QVERIFY2(ins.exec(), qPrintable(ins.lastError().text()));

        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("SELECT Key, N, D, B, S FROM T ORDER BY Key")));
        QVERIFY(q.next());
        QCOMPARE(QVariantList(
                     {q.value(1).toLongLong(), q.value(2).toDouble(), q.value(3).toByteArray(), q.value(4).toString()}),
                 QVariantList({qint64(1) << 40, 41.0, blob, text}));
        QVERIFY(q.next());
        QCOMPARE(QList<bool>({q.isNull(1), q.value(1).isNull(), q.isNull(3), q.isNull(4)}),
                 QList<bool>({true, true, true, false}));
        QCOMPARE(q.value(2).toInt(), -5);
        QCOMPARE(q.value(4).toString(), QString());
        QVERIFY(!q.next());
    }

    void scrollableAndForwardOnlyResults()
    {
        QVERIFY(run(QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x+1 FROM c WHERE x < 99) "
                                   "INSERT INTO T (Key, N) SELECT printf('k%03d', x), x FROM c")));
        QSqlQuery q; // scrollable by default
        QVERIFY(q.exec(QStringLiteral("SELECT N FROM T ORDER BY N")));
        QCOMPARE(q.size(), -1);
        QVERIFY(q.seek(50));
        QCOMPARE(q.value(0).toInt(), 50);
        QVERIFY(q.previous());
        QCOMPARE(q.value(0).toInt(), 49);
        QVERIFY(q.last());
        QCOMPARE(qMakePair(q.at(), q.value(0).toInt()), qMakePair(99, 99));
        QVERIFY(!q.seek(100) && !q.isValid());
        QCOMPARE(q.record().count(), 1);
        QCOMPARE(q.record().fieldName(0), QStringLiteral("N"));

        QSqlQuery f;
        f.setForwardOnly(true);
        QVERIFY(f.exec(QStringLiteral("SELECT N, Key FROM T ORDER BY N")));
        int n = 0;
        for (; f.next(); ++n)
            QCOMPARE(qMakePair(f.value(0).toInt(), f.value(1).toString()),
                     qMakePair(n, QStringLiteral("k%1").arg(n, 3, 10, QLatin1Char('0'))));
        QCOMPARE(n, 100);
        QVERIFY(f.exec() && f.next() && f.next() && !f.previous() && f.last());
        QCOMPARE(qMakePair(f.at(), f.value(1).toString()), qMakePair(99, QStringLiteral("k099")));

        // An empty result is active and has no rows.
        QVERIFY(f.exec(QStringLiteral("SELECT N FROM T WHERE N < 0")) && f.isActive() && f.isSelect() && !f.next());
    }

    // Errors carry the engine's text and code; a statement that failed to
    // prepare reports the same error when run.
    void statementErrors_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("code"); // -1: the driver's own refusal
        QTest::addColumn<QString>("text");
        QTest::newRow("syntax") << "SELEC nothing" << SQLITE_ERROR << "syntax error";
        QTest::newRow("unique") << "INSERT INTO T (Key) VALUES ('dup'), ('dup')" << SQLITE_CONSTRAINT << "UNIQUE";
        QTest::newRow("two statements") << "INSERT INTO T (Key) VALUES ('a'); DROP TABLE T" << -1
                                        << "multiple statements";
        QTest::newRow("only a comment") << " -- only a comment" << -1 << "No statement";
        QTest::newRow("too many values") << "SELECT ?" << -1 << "Parameter count mismatch";
    }

    void statementErrors()
    {
        QFETCH(QString, sql);
        QFETCH(int, code);
        QFETCH(QString, text);
        const bool placeholders = sql.contains(QLatin1Char('?'));
        for (bool prepared : {placeholders, true}) {
            QSqlQuery q;
            if (prepared) {
                q.prepare(sql);
                for (int value = 0; placeholders && value < 2; ++value)
                    q.addBindValue(value); // too many: an error, not a silent truncation
            }
            QVERIFY(prepared ? !q.exec() : !q.exec(sql));
            const QSqlError error = q.lastError();
            QCOMPARE(error.type(), QSqlError::StatementError);
            QVERIFY2(error.text().contains(text), qPrintable(error.text()));
            if (code >= 0)
                QCOMPARE(error.nativeErrorCode(), QString::number(code));
        }
        // Nothing of a refused statement ran.
        QVERIFY(db().tables().contains(QStringLiteral("T")));
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM T")), QVariant(0));
        // Trailing semicolons, white space and comments are one statement.
        QCOMPARE(scalar(QStringLiteral("SELECT 1 ;; -- done\n /* really */ ;\n")), QVariant(1));
    }

    void transactionsCommitAndRollBack()
    {
        QVERIFY(db().transaction() && run(QStringLiteral("INSERT INTO T (Key) VALUES ('gone')")) && db().rollback());
        QVERIFY(db().transaction() && run(QStringLiteral("INSERT INTO T (Key) VALUES ('kept')")) && db().commit());
        QCOMPARE(scalar(QStringLiteral("SELECT group_concat(Key) FROM T")).toString(), QStringLiteral("kept"));
        QVERIFY(!db().commit() && db().lastError().isValid()); // no transaction open
    }

    // What the schema check reads: table names and columns with their types.
    void catalogue()
    {
        QVERIFY(db().tables().contains(QStringLiteral("T")));
        QVERIFY(!db().tables().contains(QStringLiteral("sqlite_master")));
        QVERIFY(db().tables(QSql::SystemTables).contains(QStringLiteral("sqlite_master")));
        const QSqlRecord rec = db().record(QStringLiteral("T"));
        const QList<QPair<QString, QVariant::Type>> fields{{"Key", QVariant::String},
                                                           {"N", QVariant::Int},
                                                           {"D", QVariant::Double},
                                                           {"B", QVariant::ByteArray},
                                                           {"S", QVariant::String}};
        QCOMPARE(rec.count(), fields.size());
        for (int i = 0; i < fields.size(); ++i)
            QCOMPARE(qMakePair(rec.fieldName(i), rec.field(i).type()), fields.at(i));
        QCOMPARE(db().primaryIndex(QStringLiteral("T")).fieldName(0), QStringLiteral("Key"));
        QVERIFY(db().record(QStringLiteral("NoSuchTable")).isEmpty());
    }

    void closeWithLiveQueriesAndReopen()
    {
        QVERIFY(run(QStringLiteral("INSERT INTO T (Key, N) VALUES ('a', 1), ('b', 2)")));
        QSqlQuery pending;
        QVERIFY(pending.exec(QStringLiteral("SELECT Key FROM T")));
        QVERIFY(pending.next()); // statement still open when the connection closes
        QSqlDatabase database = db();
        database.close();
        QVERIFY(!database.isOpen() && database.open());
        QCOMPARE(scalar(QStringLiteral("SELECT sum(N) FROM T")).toInt(), 3);
        QVERIFY(!pending.exec());
    }

    void openFailsForAnImpossiblePath()
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, QStringLiteral("bad"));
        other.setDatabaseName(TestEnv::instance()->path(QStringLiteral("no/such/dir/x.db")));
        QVERIFY(!other.open() && other.isOpenError());
        QCOMPARE(other.lastError().nativeErrorCode(), QString::number(SQLITE_CANTOPEN));
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bad"));
    }
};

VIREON_TEST_MAIN(TstDriver)
#include "tst_driver.moc"

#include "database/driver/zsqlitecipherdriver.h"
#include "support/testenv.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

// The Qt SQL driver over the page codec: statements, placeholders, result
// navigation, transactions, catalogue and error reporting; and on real files,
// what lies on disk and how foreign, damaged and half-written files are met.
class TstCipher : public QObject
{
    Q_OBJECT

private:
    static constexpr int kPage = 4096;
    int m_serial = 0;

    QString freshPath() { return TestEnv::instance()->path(QStringLiteral("app/cipher%1.db").arg(++m_serial)); }

    static QString secretText(int i)
    {
        return QStringLiteral("SECRET-SAMPLE-%1-O'Brien").arg(i, 5, 10, QChar('0')) + QString(120, QChar('x'));
    }

    // Nothing readable may lie in an encrypted file or its journal.
    static void verifyNoPlaintext(const QByteArray &bytes)
    {
        for (const char *text : {"SQLite format 3", "SECRET-SAMPLE", "CHANGED", "CREATE TABLE"})
            QVERIFY2(!bytes.contains(text), text);
        QVERIFY(!bytes.contains(QByteArray(64, 'x')));
    }

    // A connection of our driver, named after the file.
    static QSqlDatabase openCipher(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, path);
        db.setDatabaseName(path);
        if (!db.open())
            qWarning() << "open failed" << db.lastError().text();
        return db;
    }

    static void closeConnection(const QString &name)
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }

    static QSqlDatabase db() { return QSqlDatabase::database(); }
    static bool run(const QString &sql) { return exec(db(), sql); }
    static QVariant scalar(const QString &sql)
    {
        QSqlQuery q;
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }

    static bool exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery q(db);
        if (q.exec(sql))
            return true;
        qWarning() << sql << q.lastError().text();
        return false;
    }

    // Table T with `rows` rows of known text, long enough to fill pages.
    void makeDatabase(const QString &path, int rows)
    {
        QSqlDatabase db = openCipher(path);
        QVERIFY(exec(db, QStringLiteral("CREATE TABLE T (id INTEGER PRIMARY KEY, S TEXT, N INTEGER, D REAL)")));
        QVERIFY(db.transaction());
        QSqlQuery ins(db);
        QVERIFY(ins.prepare(QStringLiteral("INSERT INTO T (S, N, D) VALUES (?, ?, ?)")));
        for (int i = 0; i < rows; ++i) {
            for (const QVariant &v : QVariantList{secretText(i), i, i + 0.25})
                ins.addBindValue(v);
            QVERIFY(ins.exec());
        }
        QVERIFY(db.commit());
        db = QSqlDatabase();
        closeConnection(path);
    }

    // The first value of a statement on a fresh connection, invalid on error.
    static QVariant value(const QString &path, const QString &sql, QString *nativeCode = nullptr)
    {
        QVariant result;
        {
            QSqlDatabase db = openCipher(path);
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                result = q.value(0);
            else if (nativeCode)
                *nativeCode = q.lastError().nativeErrorCode();
        }
        closeConnection(path);
        return result;
    }
    static int rowCount(const QString &path, QString *code = nullptr)
    {
        const QVariant v = value(path, QStringLiteral("SELECT count(*) FROM T"), code);
        return v.isValid() ? v.toInt() : -1;
    }
    static QString integrity(const QString &path) { return value(path, "PRAGMA integrity_check").toString(); }

private slots:
    void initTestCase()
    {
        const QString path = TestEnv::instance()->path(QStringLiteral("app/driver.db"));
        QSqlDatabase database = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver);
        database.setDatabaseName(path);
        QVERIFY(database.open());
        QVERIFY(run(QStringLiteral("CREATE TABLE T (Key TEXT PRIMARY KEY, N INTEGER, D REAL, B BLOB, S TEXT)")));
    }

    void cleanupTestCase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }
    void init() { QVERIFY(run(QStringLiteral("DELETE FROM T"))); }

    void valuesRoundTripWithTheirTypes()
    {
        QSqlQuery ins;
        QVERIFY(ins.prepare(QStringLiteral("INSERT INTO T VALUES (?, ?, ?, ?, ?)")));
        const QByteArray blob("\x00\x01\xff\x00zz", 6);
        const QString text = QStringLiteral("犬貓 O'Brien \"q\" ü");
        for (const QVariant &v : QVariantList{"k1", qint64(1) << 40, 41.0, blob, text})
            ins.addBindValue(v);
        QVERIFY2(ins.exec(), qPrintable(ins.lastError().text()));
        // The same statement again, with new values: nothing of the first binding may stay.
        // A signed byte is bound as a number, not as a character.
        for (const QVariant &v : QVariantList{"k2", QVariant(QVariant::Int), QVariant(static_cast<signed char>(-5)),
                                              QVariant(QVariant::ByteArray), QString("")})
            ins.addBindValue(v);
        QVERIFY2(ins.exec(), qPrintable(ins.lastError().text()));

        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("SELECT Key, N, D, B, S FROM T ORDER BY Key")));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toLongLong(), qint64(1) << 40);
        QCOMPARE(q.value(2).toDouble(), 41.0);
        QCOMPARE(q.value(3).toByteArray(), blob);
        QCOMPARE(q.value(4).toString(), text);
        QVERIFY(q.next());
        QVERIFY(q.isNull(1));
        QVERIFY(q.isNull(3));
        QVERIFY(!q.isNull(4));
        QCOMPARE(q.value(2).toInt(), -5);
        QCOMPARE(q.value(4).toString(), QString());
        QVERIFY(!q.next());
    }

    // A long result lists every row in order, scrollable (as the program's
    // queries are) or forward only; an empty result is active with no rows.
    void resultsListEveryRow()
    {
        QVERIFY(run(QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 0 UNION ALL SELECT x+1 FROM c WHERE x < 99) "
                                   "INSERT INTO T (Key, N) SELECT printf('k%03d', x), x FROM c")));
        for (bool forwardOnly : {false, true}) {
            QSqlQuery q;
            q.setForwardOnly(forwardOnly);
            QVERIFY(q.exec(QStringLiteral("SELECT N, Key FROM T ORDER BY N")));
            QCOMPARE(q.record().count(), 2);
            int n = 0;
            for (; q.next(); ++n) {
                QCOMPARE(q.value(0).toInt(), n);
                QCOMPARE(q.value(1).toString(), QStringLiteral("k%1").arg(n, 3, 10, QLatin1Char('0')));
            }
            QCOMPARE(n, 100);
        }
        QSqlQuery empty;
        QVERIFY(empty.exec(QStringLiteral("SELECT N FROM T WHERE N < 0")));
        QVERIFY(empty.isActive());
        QVERIFY(!empty.next());
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
        QVERIFY(db().transaction());
        QVERIFY(run(QStringLiteral("INSERT INTO T (Key) VALUES ('gone')")));
        QVERIFY(db().rollback());
        QVERIFY(db().transaction());
        QVERIFY(run(QStringLiteral("INSERT INTO T (Key) VALUES ('kept')")));
        QVERIFY(db().commit());
        QCOMPARE(scalar(QStringLiteral("SELECT group_concat(Key) FROM T")).toString(), QStringLiteral("kept"));
        QVERIFY(!db().commit()); // no transaction open
        QVERIFY(db().lastError().isValid());
    }

    void closeWithLiveQueriesAndReopen()
    {
        QVERIFY(run(QStringLiteral("INSERT INTO T (Key, N) VALUES ('a', 1), ('b', 2)")));
        QSqlQuery pending;
        QVERIFY(pending.exec(QStringLiteral("SELECT Key FROM T")));
        QVERIFY(pending.next()); // statement still open when the connection closes
        QSqlDatabase database = db();
        database.close();
        QVERIFY(!database.isOpen());
        QVERIFY(database.open());
        QCOMPARE(scalar(QStringLiteral("SELECT sum(N) FROM T")).toInt(), 3);
        QVERIFY(!pending.exec());
    }

    void openFailsForAnImpossiblePath()
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, QStringLiteral("bad"));
        other.setDatabaseName(TestEnv::instance()->path(QStringLiteral("no/such/dir/x.db")));
        QVERIFY(!other.open());
        QVERIFY(other.isOpenError());
        QCOMPARE(other.lastError().nativeErrorCode(), QString::number(SQLITE_CANTOPEN));
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bad"));
    }

    void cleanup() { ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray()); }

    void roundTripAcrossReopenWithoutPlaintext()
    {
        const QString path = freshPath();
        makeDatabase(path, 600);
        {
            QSqlDatabase db = openCipher(path);
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT id, S, N, D FROM T ORDER BY id")));
            int i = 0;
            for (; q.next(); ++i) {
                QCOMPARE(q.value(1).toString(), secretText(i));
                QCOMPARE(q.value(2).toInt(), i);
                QCOMPARE(q.value(3).toDouble(), i + 0.25);
            }
            QCOMPARE(i, 600);
        }
        closeConnection(path);
        QCOMPARE(integrity(path), QStringLiteral("ok"));

        const QByteArray bytes = TestEnv::readFile(path);
        QVERIFY(bytes.size() > 10 * kPage);
        QCOMPARE(bytes.size() % kPage, 0);
        verifyNoPlaintext(bytes);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));

        // Each file has its own salt: the same content encrypts differently.
        const QString other = freshPath();
        makeDatabase(other, 600);
        const QByteArray otherBytes = TestEnv::readFile(other);
        QVERIFY(bytes.left(16) != otherBytes.left(16));
        QVERIFY(bytes.mid(kPage, 64) != otherBytes.mid(kPage, 64));

        // Deleting and vacuuming rewrites every page, still encrypted.
        {
            QSqlDatabase db = openCipher(path);
            QVERIFY(exec(db, QStringLiteral("DELETE FROM T WHERE id % 3 = 0")));
            QVERIFY(exec(db, QStringLiteral("VACUUM")));
        }
        closeConnection(path);
        QCOMPARE(rowCount(path), 400);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        verifyNoPlaintext(TestEnv::readFile(path));
    }

    // Cut files are "not a database"; damaged pages are an I/O error. Neither
    // yields a wrong row, and neither is written to. (Files of another key or
    // plain SQLite files: the start-up cases of tst_dbmanage.)
    void unreadableFilesGiveErrorsNotRows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code"); // extended result code
        QTest::newRow("shorter than a page") << "short" << SQLITE_NOTADB;
        QTest::newRow("cut at a page boundary") << "cutpage" << SQLITE_NOTADB;
        QTest::newRow("cut inside a page") << "cutmid" << SQLITE_NOTADB;
        QTest::newRow("pages 3 and 4 swapped") << "swap" << SQLITE_IOERR_DATA;
        QTest::newRow("page 4 zeroed") << "zero4" << SQLITE_IOERR_DATA;
    }

    void unreadableFilesGiveErrorsNotRows()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        const QString path = freshPath();
        makeDatabase(path, 300);
        QByteArray bytes = TestEnv::readFile(path);
        QVERIFY(bytes.size() >= 6 * kPage);
        if (kind == QLatin1String("short"))
            bytes = bytes.left(1000);
        else if (kind == QLatin1String("cutpage"))
            bytes.chop(2 * kPage);
        else if (kind == QLatin1String("cutmid"))
            bytes.chop(100);
        else if (kind == QLatin1String("zero4"))
            bytes.replace(3 * kPage, kPage, QByteArray(kPage, '\0'));
        else if (kind == QLatin1String("swap"))
            bytes = bytes.left(2 * kPage) + bytes.mid(3 * kPage, kPage) + bytes.mid(2 * kPage, kPage) +
                    bytes.mid(4 * kPage);
        QVERIFY(TestEnv::writeFile(path, bytes));
        const QByteArray before = TestEnv::readFile(path);

        QSqlDatabase db = openCipher(path);
        QVERIFY(db.isOpen()); // opening reads nothing; the first statement does
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            int rows = 0;
            if (q.exec(QStringLiteral("SELECT S FROM T"))) {
                while (q.next())
                    ++rows;
            }
            QVERIFY(q.lastError().isValid());
            QCOMPARE(q.lastError().nativeErrorCode(), QString::number(code & 0xff));
            QCOMPARE(sqlite3_extended_errcode(qvariant_cast<sqlite3 *>(db.driver()->handle())), code);
            // Rows before a damaged page may come out; never all of them.
            QVERIFY(rows < 300);
            if (code == SQLITE_NOTADB) {
                QCOMPARE(rows, 0);
                QVERIFY(q.lastError().databaseText().contains(QLatin1String("not a database")));
                QVERIFY(!q.exec(QStringLiteral("CREATE TABLE X (a)")));
            }
            QVERIFY(!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next() ||
                    q.value(0).toString() != QLatin1String("ok"));
        }
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(TestEnv::readFile(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void anyFlippedByteGivesAnErrorOrTheTrueRows()
    {
        const QString path = freshPath();
        makeDatabase(path, 300);
        const QByteArray good = TestEnv::readFile(path);
        QRandomGenerator rng(20250101);
        int failed = 0;
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = good;
            const int at = int(rng.bounded(bytes.size()));
            bytes[at] = char(bytes[at] ^ (1 << rng.bounded(8)));
            QVERIFY(TestEnv::writeFile(path, bytes));
            {
                QSqlDatabase db = openCipher(path);
                QSqlQuery q(db);
                q.setForwardOnly(true);
                bool ok = q.exec(QStringLiteral("SELECT id, S, N FROM T ORDER BY id"));
                int i = 0;
                for (; ok && q.next(); ++i) { // every row that comes out is the row that went in
                    QCOMPARE(q.value(0).toInt(), i + 1);
                    QCOMPARE(q.value(1).toString(), secretText(i));
                    QCOMPARE(q.value(2).toInt(), i);
                }
                if (ok && !q.lastError().isValid())
                    QCOMPARE(i, 300); // only the 4 spare bytes of a page are not authenticated
                else
                    ++failed;
            }
            closeConnection(path);
        }
        QVERIFY(failed > 50);
    }

    // A writer stopped in the middle of a transaction: killed (maybe with
    // page 1 torn by a power loss; the journal holds its old image), or
    // leaving main() while Qt's exit handler closes the connection.
    void interruptedWriterRollsBack_data()
    {
        QTest::addColumn<bool>("kill");
        QTest::addColumn<bool>("tornFirstPage");
        QTest::newRow("killed") << true << false;
        QTest::newRow("killed, page 1 torn") << true << true;
        QTest::newRow("exit inside the transaction") << false << false;
    }

    void interruptedWriterRollsBack()
    {
        QFETCH(bool, kill);
        QFETCH(bool, tornFirstPage);
        const QString path = freshPath();
        makeDatabase(path, 300);
        const QByteArray original = TestEnv::readFile(path);
        const QString journal = path + QStringLiteral("-journal");

        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(TestEnv::toolPath(QStringLiteral("cipher_crash_writer")), {path});
        QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
        QByteArray output;
        const auto reported = [&] {
            output += writer.readAllStandardOutput();
            return output.contains("IN-TRANSACTION") || writer.state() != QProcess::Running;
        };
        QTRY_VERIFY_WITH_TIMEOUT(reported(), 20000);
        QCOMPARE(writer.state(), QProcess::Running);

        if (!kill) {
            writer.closeWriteChannel(); // the helper then returns from main()
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
            QCOMPARE(writer.exitCode(), 0);
            QVERIFY(!QFile::exists(journal));
        } else {
            // Mid-transaction: changed pages are in the file, originals in
            // the journal, and neither holds readable text.
            const QByteArray midDb = TestEnv::readFile(path);
            QVERIFY(midDb != original);
            QVERIFY(QFileInfo(journal).size() > 4 * kPage);
            verifyNoPlaintext(midDb);
            verifyNoPlaintext(TestEnv::readFile(journal));

            writer.kill(); // SIGKILL: no cleanup of any kind
            QVERIFY(writer.waitForFinished(10000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
            QVERIFY(QFile::exists(journal));
            if (tornFirstPage) {
                QByteArray bytes = TestEnv::readFile(path);
                for (int i = 512; i < 2048; ++i)
                    bytes[i] = char(i * 7);
                QVERIFY(TestEnv::writeFile(path, bytes));
            }

            // With a wrong key the half-written file is neither read nor
            // touched, and the journal stays: the right key still rolls it back.
            const QByteArray afterKill = TestEnv::readFile(path);
            ZSQLiteCipherDriver::setKeyOverrideForTesting("not the program's key");
            QString code;
            QCOMPARE(rowCount(path, &code), -1);
            QCOMPARE(code, QString::number(SQLITE_NOTADB));
            QVERIFY(QFile::exists(journal));
            QCOMPARE(TestEnv::readFile(path), afterKill);
            ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());
        }

        QCOMPARE(rowCount(path), 300);
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QCOMPARE(value(path, QStringLiteral("SELECT count(*) FROM T WHERE S LIKE 'CHANGED%' OR S NOT LIKE "
                                            "'SECRET-SAMPLE-%'")),
                 QVariant(0));
    }

    // Rolling back to a savepoint, with changed pages already in the file,
    // reads page images back from the journal.
    void savepointRollsBackFromTheJournal()
    {
        const QString path = freshPath();
        makeDatabase(path, 300);
        QSqlDatabase db = openCipher(path);
        QVERIFY(exec(db, QStringLiteral("PRAGMA cache_size=4"))); // changed pages go to the file early
        QVERIFY(db.transaction());
        QVERIFY(exec(db, QStringLiteral("UPDATE T SET N = N + 1000 WHERE id <= 100")));
        QVERIFY(exec(db, QStringLiteral("SAVEPOINT inner_sp")));
        QVERIFY(exec(db, QStringLiteral("UPDATE T SET S = 'CHANGED' || S, N = -1")));
        QVERIFY(exec(db, QStringLiteral("ROLLBACK TO inner_sp")));
        QVERIFY(exec(db, QStringLiteral("RELEASE inner_sp")));
        QVERIFY(db.commit());
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        // ids 1..100 keep N = id - 1 + 1000
        QCOMPARE(value(path, QStringLiteral("SELECT sum(N) FROM T WHERE N >= 1000")).toInt(),
                 100 * 1000 + 99 * 100 / 2);
        QCOMPARE(value(path, QStringLiteral("SELECT count(*) FROM T WHERE N < 0 OR S LIKE 'CHANGED%'")).toInt(), 0);
    }

    void writeAheadLogAndTemporaryFilesStayOut()
    {
        const QString path = freshPath();
        makeDatabase(path, 50);
        QSqlDatabase db = openCipher(path);
        {
            QSqlQuery q(db);
            QVERIFY(!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
            const auto first = [&](const QString &sql) { return q.exec(sql) && q.next() ? q.value(0) : QVariant(); };
            QCOMPARE(first("PRAGMA journal_mode").toString(), QStringLiteral("delete"));
            QCOMPARE(first("PRAGMA temp_store").toString(), QStringLiteral("2")); // memory
            // Temporary tables, sorting and a statement journal all work.
            QVERIFY(exec(db, QStringLiteral("CREATE TEMP TABLE Scratch AS SELECT * FROM T")));
            QVERIFY(q.exec(QStringLiteral("SELECT S FROM T ORDER BY D DESC, S LIMIT 1")));
            QVERIFY(q.next());
            QVERIFY(!exec(db, QStringLiteral("UPDATE T SET id = id + 1 WHERE id > 0"))); // statement rollback
            // The page layout the codec needs cannot be changed away...
            QVERIFY(exec(db, QStringLiteral("PRAGMA page_size=8192")));
            QVERIFY(!q.exec(QStringLiteral("VACUUM")));
            QCOMPARE(first("SELECT count(*) FROM T").toInt(), 50);
            // ...nor is a new file written without it (attached files get
            // no reserved bytes unless asked for).
            const QString fresh = freshPath();
            QVERIFY(exec(db, QStringLiteral("ATTACH DATABASE '%1' AS fresh").arg(fresh)));
            QVERIFY(!q.exec(QStringLiteral("CREATE TABLE fresh.X (a)")));
            QVERIFY(exec(db, QStringLiteral("DETACH DATABASE fresh")));
            QCOMPARE(QFileInfo(fresh).size(), 0);
        }
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    }
};

VIREON_TEST_MAIN(TstCipher)
#include "tst_cipher.moc"

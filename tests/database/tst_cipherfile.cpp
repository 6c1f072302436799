#include "database/codec/ciphervfs.h"
#include "database/driver/zsqlitecipherdriver.h"
#include "support/testenv.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

// The page codec on real files: what lies on disk, and how foreign, damaged
// and half-written files are met.
class TstCipherFile : public QObject
{
    Q_OBJECT

private:
    static constexpr int kPage = 4096;
    int m_serial = 0;

    QString freshPath() { return TestEnv::instance()->path(QStringLiteral("app/cipher%1.db").arg(++m_serial)); }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeAll(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
    }

    static QString secretText(int i) { return QStringLiteral("SECRET-SAMPLE-%1-O'Brien").arg(i, 5, 10, QChar('0')); }

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
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
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
        QVERIFY(db.isOpen());
        QVERIFY(exec(db, QStringLiteral("CREATE TABLE T (id INTEGER PRIMARY KEY, S TEXT, N INTEGER, D REAL)")));
        QVERIFY(db.transaction());
        QSqlQuery ins(db);
        QVERIFY(ins.prepare(QStringLiteral("INSERT INTO T (S, N, D) VALUES (?, ?, ?)")));
        for (int i = 0; i < rows; ++i) {
            ins.addBindValue(secretText(i) + QString(120, QChar('x')));
            ins.addBindValue(i);
            ins.addBindValue(i + 0.25);
            QVERIFY(ins.exec());
        }
        QVERIFY(db.commit());
        db = QSqlDatabase();
        closeConnection(path);
    }

    static int rowCount(const QString &path, QString *nativeCode = nullptr)
    {
        QSqlDatabase db = openCipher(path);
        int count = -1;
        {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT count(*) FROM T")) && q.next())
                count = q.value(0).toInt();
            else if (nativeCode)
                *nativeCode = q.lastError().nativeErrorCode();
        }
        db = QSqlDatabase();
        closeConnection(path);
        return count;
    }

    static QString integrity(const QString &path)
    {
        QSqlDatabase db = openCipher(path);
        QString result;
        {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                result = q.value(0).toString();
        }
        db = QSqlDatabase();
        closeConnection(path);
        return result;
    }

private slots:
    void cleanup() { ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray()); }

    void roundTripAcrossReopenWithoutPlaintext()
    {
        const QString path = freshPath();
        makeDatabase(path, 400);
        {
            QSqlDatabase db = openCipher(path);
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT id, S, N, D FROM T ORDER BY id")));
            int i = 0;
            while (q.next()) {
                QCOMPARE(q.value(1).toString(), secretText(i) + QString(120, QChar('x')));
                QCOMPARE(q.value(2).toInt(), i);
                QCOMPARE(q.value(3).toDouble(), i + 0.25);
                ++i;
            }
            QCOMPARE(i, 400);
        }
        closeConnection(path);
        QCOMPARE(integrity(path), QStringLiteral("ok"));

        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.size() > 10 * kPage);
        QCOMPARE(bytes.size() % kPage, 0);
        QVERIFY(!bytes.contains("SQLite format 3"));
        QVERIFY(!bytes.contains("SECRET-SAMPLE"));
        QVERIFY(!bytes.contains("CREATE TABLE"));
        QVERIFY(!bytes.contains(QByteArray(64, 'x')));
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));

        // Each file has its own salt: the same content encrypts differently.
        const QString other = freshPath();
        makeDatabase(other, 400);
        const QByteArray otherBytes = readAll(other);
        QVERIFY(bytes.left(16) != otherBytes.left(16));
        QVERIFY(bytes.mid(kPage, 64) != otherBytes.mid(kPage, 64));
    }

    void unreadableFilesAreNotADatabase_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("wrong key") << "wrongkey";
        QTest::newRow("plain SQLite file") << "plain";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("shorter than a page") << "short";
        QTest::newRow("cut at a page boundary") << "cutpage";
        QTest::newRow("cut inside a page") << "cutmid";
        QTest::newRow("page 1 damaged") << "page1";
    }

    void unreadableFilesAreNotADatabase()
    {
        QFETCH(QString, kind);
        const QString path = freshPath();
        if (kind == QLatin1String("plain")) {
            {
                QSqlDatabase plain = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plain"));
                plain.setDatabaseName(path);
                QVERIFY(plain.open());
                QVERIFY(exec(plain, QStringLiteral("CREATE TABLE T (id INTEGER PRIMARY KEY, S TEXT)")));
                QVERIFY(exec(plain, QStringLiteral("INSERT INTO T (S) VALUES ('plain row')")));
                plain.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("plain"));
            QVERIFY(readAll(path).startsWith("SQLite format 3"));
        } else if (kind == QLatin1String("random")) {
            QByteArray noise(3 * kPage, Qt::Uninitialized);
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
            writeAll(path, noise);
        } else {
            makeDatabase(path, 300);
            QByteArray bytes = readAll(path);
            QVERIFY(bytes.size() >= 6 * kPage);
            if (kind == QLatin1String("short"))
                writeAll(path, bytes.left(1000));
            else if (kind == QLatin1String("cutpage"))
                writeAll(path, bytes.left(bytes.size() - 2 * kPage));
            else if (kind == QLatin1String("cutmid"))
                writeAll(path, bytes.left(bytes.size() - 100));
            else if (kind == QLatin1String("page1")) {
                bytes[200] = char(bytes[200] ^ 0x01);
                writeAll(path, bytes);
            } else if (kind == QLatin1String("wrongkey"))
                ZSQLiteCipherDriver::setKeyOverrideForTesting("not the program's key");
        }
        const QByteArray before = readAll(path);

        QSqlDatabase db = openCipher(path);
        QVERIFY(db.isOpen()); // opening reads nothing; the first statement does
        {
            QSqlQuery q(db);
            QVERIFY(!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")));
            QCOMPARE(q.lastError().nativeErrorCode(), QString::number(SQLITE_NOTADB));
            QVERIFY(q.lastError().databaseText().contains(QLatin1String("not a database")));
            QVERIFY(!q.next());
            // Nor can anything be written over it.
            QVERIFY(!q.exec(QStringLiteral("CREATE TABLE X (a)")));
        }
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(readAll(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void damagedPagesFailWithoutRows_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("flipped byte in page 2") << "flip2";
        QTest::newRow("flipped tag byte in page 3") << "tag3";
        QTest::newRow("pages 3 and 4 swapped") << "swap";
        QTest::newRow("page 4 zeroed") << "zero4";
    }

    void damagedPagesFailWithoutRows()
    {
        QFETCH(QString, damage);
        const QString path = freshPath();
        makeDatabase(path, 300);
        QByteArray bytes = readAll(path);
        if (damage == QLatin1String("flip2")) {
            bytes[kPage + 100] = char(bytes[kPage + 100] ^ 0x20);
        } else if (damage == QLatin1String("tag3")) {
            bytes[3 * kPage - 20] = char(bytes[3 * kPage - 20] ^ 0x01);
        } else if (damage == QLatin1String("swap")) {
            const QByteArray p3 = bytes.mid(2 * kPage, kPage);
            bytes.replace(2 * kPage, kPage, bytes.mid(3 * kPage, kPage));
            bytes.replace(3 * kPage, kPage, p3);
        } else {
            bytes.replace(3 * kPage, kPage, QByteArray(kPage, '\0'));
        }
        writeAll(path, bytes);

        QSqlDatabase db = openCipher(path);
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            int rows = 0;
            if (q.exec(QStringLiteral("SELECT S FROM T"))) {
                while (q.next())
                    ++rows;
            }
            QVERIFY(q.lastError().isValid());
            QCOMPARE(q.lastError().nativeErrorCode(), QString::number(SQLITE_IOERR));
            QCOMPARE(sqlite3_extended_errcode(qvariant_cast<sqlite3 *>(db.driver()->handle())), SQLITE_IOERR_DATA);
            // Rows before the damaged page may come out; never one from it
            // and never all of them.
            QVERIFY(rows < 300);
        }
        {
            QSqlQuery check(db);
            QVERIFY(!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next() ||
                    check.value(0).toString() != QLatin1String("ok"));
        }
        db = QSqlDatabase();
        closeConnection(path);
    }

    void anyFlippedByteGivesAnErrorOrTheTrueRows()
    {
        const QString path = freshPath();
        makeDatabase(path, 300);
        const QByteArray good = readAll(path);
        QRandomGenerator rng(20250101);
        int failed = 0;
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = good;
            const int at = int(rng.bounded(bytes.size()));
            bytes[at] = char(bytes[at] ^ (1 << rng.bounded(8)));
            writeAll(path, bytes);
            QSqlDatabase db = openCipher(path);
            {
                QSqlQuery q(db);
                q.setForwardOnly(true);
                bool ok = q.exec(QStringLiteral("SELECT id, S, N, D FROM T ORDER BY id"));
                int i = 0;
                while (ok && q.next()) {
                    // Every row that comes out is the row that went in.
                    QCOMPARE(q.value(0).toInt(), i + 1);
                    QCOMPARE(q.value(1).toString(), secretText(i) + QString(120, QChar('x')));
                    QCOMPARE(q.value(2).toInt(), i);
                    ++i;
                }
                ok = ok && !q.lastError().isValid();
                if (ok)
                    QCOMPARE(i, 300); // only the 4 spare bytes of a page are not authenticated
                else
                    ++failed;
            }
            db = QSqlDatabase();
            closeConnection(path);
        }
        QVERIFY(failed > 50);
    }

    void killedWriterRollsBackOnReopen_data()
    {
        QTest::addColumn<bool>("tornFirstPage");
        QTest::newRow("killed") << false;
        // A power loss can also leave page 1 half written: the journal holds
        // its old image, so the rollback must still run.
        QTest::newRow("killed, page 1 torn") << true;
    }

    void killedWriterRollsBackOnReopen()
    {
        QFETCH(bool, tornFirstPage);
        const QString path = freshPath();
        makeDatabase(path, 300);
        const QByteArray original = readAll(path);
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

        // Mid-transaction: changed pages are in the file, originals in the
        // journal, and neither holds readable text.
        const QByteArray midDb = readAll(path);
        const QByteArray midJournal = readAll(journal);
        QVERIFY(midDb != original);
        QVERIFY(midJournal.size() > 4 * kPage);
        for (const QByteArray &bytes : {midDb, midJournal}) {
            QVERIFY(!bytes.contains("SECRET-SAMPLE"));
            QVERIFY(!bytes.contains("CHANGED"));
            QVERIFY(!bytes.contains("SQLite format 3"));
            QVERIFY(!bytes.contains(QByteArray(64, 'x')));
        }

        writer.kill(); // SIGKILL: no cleanup of any kind
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(journal));

        if (tornFirstPage) {
            QByteArray bytes = readAll(path);
            for (int i = 512; i < 2048; ++i)
                bytes[i] = char(i * 7);
            writeAll(path, bytes);
        }

        // With a wrong key the half-written file is neither read nor
        // touched, and the journal stays: the right key still rolls it back.
        const QByteArray afterKill = readAll(path);
        ZSQLiteCipherDriver::setKeyOverrideForTesting("not the program's key");
        QString code;
        QCOMPARE(rowCount(path, &code), -1);
        QCOMPARE(code, QString::number(SQLITE_NOTADB));
        QVERIFY(QFile::exists(journal));
        QCOMPARE(readAll(path), afterKill);
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());

        QCOMPARE(rowCount(path), 300);
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QSqlDatabase db = openCipher(path);
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM T WHERE S LIKE 'CHANGED%' OR S NOT LIKE "
                                          "'SECRET-SAMPLE-%'")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 0);
        }
        db = QSqlDatabase();
        closeConnection(path);
    }

    void exitInsideATransactionRollsBackCleanly()
    {
        // Qt closes connections still registered at exit from its own exit
        // handler; the rollback then still needs the cipher.
        const QString path = freshPath();
        makeDatabase(path, 300);
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(TestEnv::toolPath(QStringLiteral("cipher_crash_writer")), {path});
        QVERIFY(writer.waitForStarted());
        QByteArray output;
        const auto reported = [&] {
            output += writer.readAllStandardOutput();
            return output.contains("IN-TRANSACTION") || writer.state() != QProcess::Running;
        };
        QTRY_VERIFY_WITH_TIMEOUT(reported(), 20000);
        writer.closeWriteChannel(); // the helper then returns from main()
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer.exitCode(), 0);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
        QCOMPARE(rowCount(path), 300);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    void savepointsAndAttachedFilesUseTheirOwnJournals()
    {
        const QString path = freshPath();
        const QString second = freshPath();
        makeDatabase(path, 300);
        makeDatabase(second, 100);
        QSqlDatabase db = openCipher(path);
        QVERIFY(exec(db, QStringLiteral("PRAGMA cache_size=4"))); // changed pages go to the file early
        QVERIFY(db.transaction());
        QVERIFY(exec(db, QStringLiteral("UPDATE T SET N = N + 1000 WHERE id <= 100")));
        QVERIFY(exec(db, QStringLiteral("SAVEPOINT inner_sp")));
        QVERIFY(exec(db, QStringLiteral("UPDATE T SET S = 'CHANGED' || S, N = -1")));
        // Rolling back to the savepoint reads page images back from the journal.
        QVERIFY(exec(db, QStringLiteral("ROLLBACK TO inner_sp")));
        QVERIFY(exec(db, QStringLiteral("RELEASE inner_sp")));
        QVERIFY(db.commit());

        // One transaction over two encrypted files: each gets its journal.
        QVERIFY(exec(db, QStringLiteral("ATTACH DATABASE '%1' AS other").arg(second)));
        QVERIFY(db.transaction());
        QVERIFY(exec(db, QStringLiteral("INSERT INTO other.T (S) SELECT S FROM main.T WHERE id <= 50")));
        QVERIFY(exec(db, QStringLiteral("DELETE FROM main.T WHERE id <= 50")));
        QVERIFY(db.commit());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT (SELECT count(*) FROM main.T), (SELECT count(*) FROM other.T), "
                                          "(SELECT sum(N) FROM main.T WHERE N >= 1000), "
                                          "(SELECT count(*) FROM main.T WHERE N < 0 OR S LIKE 'CHANGED%')")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 250);
            QCOMPARE(q.value(1).toInt(), 150);
            QCOMPARE(q.value(2).toInt(), 50 * 1000 + (50 + 99) * 50 / 2); // ids 51..100: N = id - 1 + 1000
            QCOMPARE(q.value(3).toInt(), 0);
        }
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QCOMPARE(integrity(second), QStringLiteral("ok"));
        QCOMPARE(rowCount(second), 150);
        QVERIFY(!readAll(second).contains("SECRET-SAMPLE"));
    }

    void writeAheadLogAndTemporaryFilesStayOut()
    {
        const QString path = freshPath();
        makeDatabase(path, 50);
        QSqlDatabase db = openCipher(path);
        {
            QSqlQuery q(db);
            QVERIFY(!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
            QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("delete"));
            QVERIFY(q.exec(QStringLiteral("PRAGMA temp_store")) && q.next());
            QCOMPARE(q.value(0).toInt(), 2); // memory
            // Temporary tables, sorting and a statement journal all work.
            QVERIFY(exec(db, QStringLiteral("CREATE TEMP TABLE Scratch AS SELECT * FROM T")));
            QVERIFY(q.exec(QStringLiteral("SELECT S FROM T ORDER BY D DESC, S LIMIT 1")) && q.next());
            QVERIFY(!exec(db, QStringLiteral("UPDATE T SET id = id + 1 WHERE id > 0"))); // statement rollback
            QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM T")) && q.next());
            QCOMPARE(q.value(0).toInt(), 50);
        }
        {
            // The page layout the codec needs cannot be changed away...
            QSqlQuery q(db);
            QVERIFY(exec(db, QStringLiteral("PRAGMA page_size=8192")));
            QVERIFY(!q.exec(QStringLiteral("VACUUM")));
            QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM T")) && q.next());
            QCOMPARE(q.value(0).toInt(), 50);
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

    void vacuumAndDeletesKeepTheFileSound()
    {
        const QString path = freshPath();
        makeDatabase(path, 600);
        QSqlDatabase db = openCipher(path);
        QVERIFY(exec(db, QStringLiteral("DELETE FROM T WHERE id % 3 = 0")));
        QVERIFY(exec(db, QStringLiteral("VACUUM")));
        db = QSqlDatabase();
        closeConnection(path);
        QCOMPARE(rowCount(path), 400);
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        const QByteArray bytes = readAll(path);
        QVERIFY(!bytes.contains("SECRET-SAMPLE"));
        QVERIFY(!bytes.contains("SQLite format 3"));
    }

    void rawConnectionsGetTheCodecLayout()
    {
        // A connection opened with the C API alone, not through the driver.
        QVERIFY(CipherVfs::ensureRegistered());
        const QString path = freshPath();
        sqlite3 *raw = nullptr;
        QCOMPARE(sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                 CipherVfs::vfsName()),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(raw,
                              "CREATE TABLE T (id INTEGER PRIMARY KEY, S TEXT, N INTEGER, D REAL);"
                              "INSERT INTO T (S) VALUES ('SECRET-SAMPLE-raw');",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        // A second connection sees the first one's writes, and the reverse.
        QSqlDatabase db = openCipher(path);
        QVERIFY(exec(db, QStringLiteral("INSERT INTO T (S) VALUES ('second')")));
        QCOMPARE(sqlite3_exec(raw, "INSERT INTO T (S) VALUES ('third')", nullptr, nullptr, nullptr), SQLITE_OK);
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT group_concat(S, ',') FROM T")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("SECRET-SAMPLE-raw,second,third"));
        }
        sqlite3_close(raw);
        db = QSqlDatabase();
        closeConnection(path);
        QVERIFY(!readAll(path).contains("SECRET-SAMPLE"));
    }
};

VIREON_TEST_MAIN(TstCipherFile)
#include "tst_cipherfile.moc"

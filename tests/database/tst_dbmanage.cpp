#include "support/craftdb.h"
#include "support/testenv.h"

#include "core/common.h"
#include "database/dbfileops.h"
#include "database/dbmanage.h"
#include "database/dbschema.h"
#include "database/demodatabuilder.h"
#include "database/driver/zsqlitecipherdriver.h"
#include "database/sampleinfoaccess.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

const QString kSource = QStringLiteral("./incoming/upload.db");

// The mark code the report's reference table gives a Ct: "Ct = 0" is the
// stored 41.0, then 0 < Ct <= 10 invalid (5), <= 20 "+++" (3), <= 30 "++"
// (0), < 36 "+" (2), up to 40 suspect "*" (4).
int markOfReferenceTable(double ct)
{
    return ct == 41.0 ? 1 : ct <= 10 ? 5 : ct <= 20 ? 3 : ct <= 30 ? 0 : ct < 36 ? 2 : ct <= 40 ? 4 : -1;
}

int rowsOf(const QString &table)
{
    QSqlQuery q;
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && q.next() ? q.value(0).toInt() : -1;
}

QStringList columnsOf(const QString &table)
{
    QStringList names;
    const QSqlRecord record = QSqlDatabase::database().record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

const auto appFiles = [] {
    return QDir("./app").entryList({"AppDatabase*"}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
};

// A fresh database with both tables and nothing in them.
void verifyFreshDatabase()
{
    QCOMPARE(columnsOf(DbSchema::sampleTable()), DbSchema::sampleColumns());
    QCOMPARE(columnsOf(DbSchema::logTable()), DbSchema::logColumns());
    QCOMPARE(rowsOf(DbSchema::sampleTable()), 0);
    QCOMPARE(rowsOf(DbSchema::logTable()), 0);
}

// The schema row of name changed by `set` (an UPDATE's SET clause), as the
// maker of a hostile file can. The engine takes another spelling of an
// object's type as well: it reads the object's kind from its SQL text.
QStringList rewriteSchema(const QString &name, const QString &set)
{
    return {QStringLiteral("PRAGMA writable_schema = ON"),
            QStringLiteral("UPDATE sqlite_master SET %1 WHERE name = '%2'").arg(set, name),
            QStringLiteral("PRAGMA writable_schema = OFF")};
}

// A trigger that empties the sample table at each log row, a view, an index
// on an expression, and a generated column that shifts the columns of SELECT *.
const QString kWipe =
    QStringLiteral("CREATE TRIGGER wipe AFTER INSERT ON LogInfoTable BEGIN DELETE FROM SampleInfoTable; END");
const QString kView = QStringLiteral("CREATE VIEW Recent AS SELECT Key FROM SampleInfoTable");
const QString kAbsIndex = QStringLiteral("CREATE INDEX ixl ON LogInfoTable(abs(ID))");
const QString kShift = QStringLiteral("g TEXT AS ('SHIFT')");

// The sample table rebuilt with extra column definitions in front of its own.
QStringList sampleTableWith(const QString &front)
{
    QString create = DbSchema::createStatements(DbSchema::sampleTable()).first();
    create.replace(QStringLiteral("SampleInfoTable ("), QStringLiteral("SampleInfoTable (%1, ").arg(front));
    const QString columns = DbSchema::sampleColumns().join(QLatin1Char(','));
    return {QStringLiteral("ALTER TABLE SampleInfoTable RENAME TO Rows"), create,
            QStringLiteral("INSERT INTO SampleInfoTable (%1) SELECT %1 FROM Rows").arg(columns),
            QStringLiteral("DROP TABLE Rows")};
}

// Statements that make a database one the program must not take, by kind.
const QMap<QString, QStringList> &schemaChanges()
{
    static const QMap<QString, QStringList> statements{
        {"columns", {"ALTER TABLE SampleInfoTable DROP COLUMN prodata40"}},
        {"nosamples", {"DROP TABLE SampleInfoTable"}},
        // An endless view with the sample table's columns.
        {"sampleview",
         {"ALTER TABLE SampleInfoTable RENAME TO Rows",
          "CREATE VIEW SampleInfoTable AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
          "SELECT Rows.* FROM n, Rows"}},
        // The name in another case is the same name to the engine.
        {"logview", {"ALTER TABLE LogInfoTable RENAME TO Logs", "CREATE VIEW loginfotable AS SELECT * FROM Logs"}},
        {"trigger", {"CREATE TRIGGER wipe AFTER INSERT ON LogInfoTable BEGIN DELETE FROM LogInfoTable; END"}},
        {"view", {kView}},
        // Objects that would run in the live database or make the program's
        // own writes fail, in files whose tables have the expected columns.
        {"TRIGGER", CraftDb::disguisedTrigger()},
        {"Trigger", QStringList{kWipe} + rewriteSchema("wipe", "type = 'Trigger'")},
        {"raise",
         QStringList{"CREATE TRIGGER stop BEFORE INSERT ON LogInfoTable BEGIN SELECT RAISE(ABORT, 'no'); END"} +
             rewriteSchema("stop", "type = 'Trigger'")},
        {"VIEW", QStringList{kView} + rewriteSchema("Recent", "type = 'VIEW'")},
        {"nosuchfn", QStringList{kAbsIndex} + rewriteSchema("ixl", "sql = replace(sql, 'abs(', 'nosuchfn(')")},
        {"expression", {kAbsIndex}},
        {"partial", {"CREATE INDEX ixl ON LogInfoTable(ID) WHERE ID > 3"}},
        {"check",
         {"DROP TABLE LogInfoTable", "CREATE TABLE LogInfoTable (Key TEXT PRIMARY KEY, ID INTEGER, Outline TEXT, "
                                     "Daily TEXT, Date TEXT, Time TEXT, CHECK(length(Key) < 0))"}},
        {"shift", sampleTableWith(kShift)},
        {"huge", {"ALTER TABLE SampleInfoTable ADD COLUMN big BLOB AS (zeroblob(999999999) || zeroblob(999999999))"}},
        {"table", {"CREATE TABLE Extra (a TEXT)"}},
    };
    return statements;
}

// A file the program cannot take for its database.
void makeBadFile(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("wrongkey")) {
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArrayLiteral("another key entirely"));
        QVERIFY(DemoDataBuilder::build(path, 5, 11) > 0);
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());
    } else if (kind == QLatin1String("plain")) {
        const QStringList statements =
            DbSchema::createStatements(DbSchema::sampleTable()) + DbSchema::createStatements(DbSchema::logTable()) +
            QStringList{"INSERT INTO LogInfoTable VALUES ('1', 4, 'a', 'b', '20240101', '')"};
        QVERIFY(CraftDb::exec(path, statements, true));
    } else if (kind == QLatin1String("empty")) {
        QVERIFY(TestEnv::writeFile(path, QByteArray()));
    } else if (kind == QLatin1String("truncated") || kind == QLatin1String("damaged")) {
        const int rows = DemoDataBuilder::build(path, 60, 3);
        QVERIFY(rows > 0);
        QByteArray bytes = TestEnv::readFile(path);
        QVERIFY(bytes.size() > 8 * 4096);
        const int at = bytes.size() / 8192 * 4096 + 100; // in a page past the third
        bytes[at] = char(bytes.at(at) ^ 0x01);
        const bool written = TestEnv::writeFile(path, kind == QLatin1String("damaged") ? bytes : bytes.left(3 * 4096));
        QVERIFY(written);
    } else if (schemaChanges().contains(kind)) {
        const int rows = DemoDataBuilder::build(path, 3, 4);
        QVERIFY(rows > 0);
        const bool changed = CraftDb::exec(path, schemaChanges().value(kind));
        QVERIFY(changed);
    }
}

} // namespace

class TestDbManage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ZSQLiteCipherDriver::setKeyOverrideForTesting(QByteArray());
        for (const QString &name : appFiles()) {
            if (!QFile::remove("./app/" + name)) // a folder
                QDir("./app/" + name).removeRecursively();
        }
        QDir(QStringLiteral("./incoming")).removeRecursively();
        QDir().mkpath(QStringLiteral("./incoming"));
    }

    void freshStartCreatesBothTables()
    {
        {
            DbManage manager;
            QCOMPARE(DbManage::instance(), &manager);
            QVERIFY(manager.openDatabase());
            QVERIFY(manager.isOpen());
            QVERIFY(!manager.wasRecreated());
            QVERIFY(manager.checkTables());
            verifyFreshDatabase();
            QVERIFY(!QFile::exists(DbManage::backupPath()));
            QVERIFY(DbManage::isValidDatabaseFile(DbManage::databasePath()));
        }
        // The destructor closes and removes the connection.
        QCOMPARE(DbManage::instance(), nullptr);
        QVERIFY(!QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection)));
    }

    void unreadableFileIsBackedUpAndRecreated_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("wrong key") << "wrongkey";
        QTest::newRow("plain SQLite file") << "plain";
        QTest::newRow("truncated after three pages") << "truncated";
        // Start-up could not create the table beside the view and ended.
        QTest::newRow("sample table is an endless view") << "sampleview";
        QTest::newRow("log table is a view") << "logview";
    }

    void unreadableFileIsBackedUpAndRecreated()
    {
        QFETCH(QString, kind);
        const QString path = DbManage::databasePath();
        makeBadFile(kind, path);
        const QByteArray original = TestEnv::readFile(path);
        QVERIFY(!original.isEmpty());

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(manager.wasRecreated());
        QVERIFY(manager.checkTables());
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), original);
        verifyFreshDatabase();
        QVERIFY(TestEnv::readFile(path) != original);
    }

    // A full set of generations shifts by one and gives up only the oldest.
    void existingBackupsAreRotated()
    {
        const auto generation = [](int g) { return DbFileOps::generationPath(DbManage::backupPath(), g); };
        for (int g = 0; g <= DbFileOps::kGenerations; ++g)
            QVERIFY(TestEnv::writeFile(generation(g), QByteArray::number(g)));
        const QByteArray damaged = TestEnv::patternBytes(5000, 1);
        QVERIFY(TestEnv::writeFile(DbManage::databasePath(), damaged));
        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(manager.wasRecreated());
        QCOMPARE(TestEnv::readFile(generation(0)), damaged);
        for (int g = 1; g <= DbFileOps::kGenerations; ++g)
            QCOMPARE(TestEnv::readFile(generation(g)), QByteArray::number(g - 1));
        QCOMPARE(TestEnv::readFile(QStringLiteral("./app/AppDatabase_backup.5.db")), QByteArray("4"));
    }

    void failedBackupLeavesOriginalInPlace()
    {
        // Every generation is taken and the oldest cannot be dropped (a folder
        // with content), so no backup can be made.
        QVERIFY(TestEnv::writeFile(DbManage::backupPath(), "b0"));
        for (int g = 1; g <= 4; ++g)
            QVERIFY(TestEnv::writeFile(QStringLiteral("./app/AppDatabase_backup.%1.db").arg(g), "b"));
        QVERIFY(TestEnv::writeFile(QStringLiteral("./app/AppDatabase_backup.5.db/keep"), "x"));
        const QByteArray original = TestEnv::patternBytes(4096, 9);
        QVERIFY(TestEnv::writeFile(DbManage::databasePath(), original));

        DbManage manager;
        QVERIFY(!manager.openDatabase());
        QVERIFY(!manager.isOpen());
        QCOMPARE(TestEnv::readFile(DbManage::databasePath()), original);
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), QByteArray("b0"));
    }

    void lockedFileIsNotTakenForDamaged()
    {
        const QString path = DbManage::databasePath();
        QVERIFY(DemoDataBuilder::build(path, 3, 6) > 0);
        const QByteArray before = TestEnv::readFile(path);
        {
            // Another writer holds the file: busy is not damage.
            QSqlDatabase other = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, QStringLiteral("holder"));
            other.setDatabaseName(path);
            other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(!DbManage().openDatabase()); // nor recreated: no backup, the file unchanged (below)
            QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
            hold.finish();
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(TestEnv::readFile(path), before);
        QVERIFY(!QFile::exists(DbManage::backupPath()));
    }

    void extraColumnIsBackedUpBeforeDrop()
    {
        const QString path = DbManage::databasePath();
        QVERIFY(DemoDataBuilder::build(path, 4, 2) > 0);
        QVERIFY(CraftDb::exec(path, {"ALTER TABLE SampleInfoTable ADD COLUMN extra TEXT",
                                     "INSERT INTO LogInfoTable VALUES ('202401010001', 4, 'a', 'b', '20240101', '')"}));
        const QByteArray before = TestEnv::readFile(path);

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(!manager.wasRecreated());
        QVERIFY(!QFile::exists(DbManage::backupPath()));
        QVERIFY(manager.checkTables());
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), before);
        QCOMPARE(columnsOf(DbSchema::sampleTable()), DbSchema::sampleColumns());
        // Only the table that differs is recreated.
        QCOMPARE(rowsOf(DbSchema::sampleTable()), 0);
        QCOMPARE(rowsOf(DbSchema::logTable()), 1);

        // The backup still holds the dropped table with its extra column.
        QVERIFY(CraftDb::exec(DbManage::backupPath(), {QStringLiteral("SELECT extra FROM SampleInfoTable")}));
    }

    // A generated column is a column to SELECT *, which it shifts: the table
    // differs from the program's like one with an extra column.
    void generatedColumnIsBackedUpBeforeDrop()
    {
        const QString path = DbManage::databasePath();
        QVERIFY(DemoDataBuilder::build(path, 4, 2) > 0);
        QVERIFY(CraftDb::exec(path, sampleTableWith(kShift)));
        const QByteArray before = TestEnv::readFile(path);

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(manager.checkTables());
        QCOMPARE(TestEnv::readFile(DbManage::backupPath()), before);
        QSqlQuery query;
        QVERIFY(query.exec(QStringLiteral("SELECT * FROM SampleInfoTable LIMIT 0")));
        QCOMPARE(query.record().count(), DbSchema::sampleColumns().size());
    }

    void identicalSchemaLeavesFileUntouched()
    {
        const QString path = DbManage::databasePath();
        const int rows = DemoDataBuilder::build(path, 6, 4);
        // Column names differing only in case count as the same.
        QVERIFY(rows > 0);
        QVERIFY(CraftDb::exec(path, {"ALTER TABLE LogInfoTable RENAME COLUMN Outline TO OUTLINE"}));
        const QByteArray before = TestEnv::readFile(path);
        const QDateTime modified = QFileInfo(path).lastModified();
        {
            DbManage manager;
            QVERIFY(manager.openDatabase());
            QVERIFY(manager.checkTables());
            QCOMPARE(SampleInfoAccess::getCount(), rows);
        }
        QCOMPARE(TestEnv::readFile(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(!QFile::exists(DbManage::backupPath()));
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    // Refused as the user's import and, in the rows so named, as the
    // instrument's upload, which passes the same check.
    void replaceRejectsBadSource_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("upload");
        const auto row = [](const char *name, const char *kind, bool upload = false) {
            QTest::newRow(name) << QString::fromLatin1(kind) << upload;
        };
        row("empty file", "empty");
        row("missing file", "missing");
        row("plain SQLite with our tables", "plain");
        row("other key", "wrongkey");
        row("wrong columns", "columns");
        row("sample table missing", "nosamples");
        row("sample table is an endless view", "sampleview");
        row("log table is a view", "logview");
        row("trigger", "trigger");
        row("view beside the tables", "view");
        row("one damaged page", "damaged");
        row("trigger whose type is spelt TRIGGER", "TRIGGER");
        row("trigger whose type is spelt Trigger", "Trigger");
        row("trigger raising an error before each log insert", "raise");
        row("view whose type is spelt VIEW", "VIEW");
        row("index calling a function no connection has", "nosuchfn");
        row("index on an expression", "expression");
        row("index with a WHERE clause", "partial");
        row("log table with a CHECK no row passes", "check");
        row("generated column before the sample columns", "shift");
        row("generated column too big to read", "huge");
        row("another table", "table");
        row("upload: trigger whose type is spelt TRIGGER", "TRIGGER", true);
        row("upload: log table with a CHECK no row passes", "check", true);
    }

    void replaceRejectsBadSource()
    {
        QFETCH(QString, kind);
        QFETCH(bool, upload);
        const QString path = DbManage::databasePath();
        const int rows = DemoDataBuilder::build(path, 5, 8);
        const QByteArray before = TestEnv::readFile(path);
        const QString source = upload ? QStringLiteral("./app/.AppDatabase.db.received-1") : kSource;
        makeBadFile(kind, source);

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(!DbManage::isValidDatabaseFile(source));
        DbManage::InstallError error = DbManage::InstallError::None;
        const bool replaced =
            upload ? manager.installReceivedDatabase(source, &error) : manager.replaceDatabase(source, &error);
        QVERIFY(!replaced);
        QVERIFY(manager.isOpen());
        QCOMPARE(error, DbManage::InstallError::Refused);
        QCOMPARE(SampleInfoAccess::getCount(), rows);
        QCOMPARE(TestEnv::readFile(path), before);
        QCOMPARE(appFiles(), QStringList({QStringLiteral("AppDatabase.db")}));
    }

    // Triggers and views that an earlier version let in go at start-up; the
    // rows stay, and no backup is made for it.
    void startUpDropsTriggersAndViews_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("trigger whose type is spelt TRIGGER") << CraftDb::disguisedTrigger();
        QTest::newRow("view whose type is spelt View") << QStringList{kView} + rewriteSchema("Recent", "type = 'View'");
        QTest::newRow("trigger on a view") << QStringList{
            kView, "CREATE TRIGGER redo INSTEAD OF DELETE ON Recent BEGIN DELETE FROM SampleInfoTable; END"};
    }

    void startUpDropsTriggersAndViews()
    {
        QFETCH(QStringList, statements);
        const QString path = DbManage::databasePath();
        const int rows = DemoDataBuilder::build(path, 4, 3);
        QVERIFY(rows > 0);
        QVERIFY(CraftDb::exec(path, statements));
        const auto triggersAndViews = [] { return rowsOf("sqlite_master WHERE lower(type) IN ('trigger', 'view')"); };
        {
            DbManage manager;
            QVERIFY(manager.openDatabase());
            QVERIFY(manager.checkTables());
            QCOMPARE(triggersAndViews(), 0);
            QCOMPARE(SampleInfoAccess::getCount(), rows);
        }
        QVERIFY(!QFile::exists(DbManage::backupPath()));
        // Gone from the file, not only from the connection that dropped them.
        DbManage again;
        QVERIFY(again.openDatabase());
        QCOMPARE(triggersAndViews(), 0);
    }

    // Only the sample table is read from a received file: a file whose log table
    // is missing or older is installed, and the log table repaired as at start-up.
    // One more ordinary index is the program's kind of object too.
    void replaceRepairsTheLogTable_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("log table missing") << QStringList{"DROP TABLE LogInfoTable"};
        QTest::newRow("older log table") << QStringList{"DROP TABLE LogInfoTable",
                                                        "CREATE TABLE LogInfoTable (Key TEXT PRIMARY KEY, ID INTEGER)",
                                                        "INSERT INTO LogInfoTable VALUES ('1', 4)"};
        QTest::newRow("more indexes") << QStringList{"CREATE INDEX by_sample ON SampleInfoTable(SampleId)",
                                                     "CREATE UNIQUE INDEX by_id ON LogInfoTable(ID COLLATE NOCASE)"};
    }

    void replaceRepairsTheLogTable()
    {
        QFETCH(QStringList, statements);
        QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 3, 1) > 0);
        const int rows = DemoDataBuilder::build(kSource, 4, 9);
        QVERIFY(rows > 0);
        QVERIFY(CraftDb::exec(kSource, statements));

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QVERIFY(DbManage::isValidDatabaseFile(kSource));
        QVERIFY(manager.replaceDatabase(kSource));
        QVERIFY(manager.isOpen());
        QCOMPARE(SampleInfoAccess::getCount(), rows);
        QCOMPARE(columnsOf(DbSchema::sampleTable()), DbSchema::sampleColumns());
        QCOMPARE(columnsOf(DbSchema::logTable()), DbSchema::logColumns());
    }

    // A received file is installed on the open connection, the old file kept as
    // backup; fetching the same data again keeps only the last distinct states.
    void replaceInstallsNewRowsAndKeepsDistinctBackups()
    {
        const QString path = DbManage::databasePath();
        const int oldRows = DemoDataBuilder::build(path, 3, 1);
        const QByteArray oldBytes = TestEnv::readFile(path);
        DemoDataBuilder::Options options;
        options.doneRows = 500;
        options.notDoneRows = 3; // in the file, never counted or listed
        options.seed = 77;
        QCOMPARE(DemoDataBuilder::build(kSource, options), 503);
        const QByteArray sourceBytes = TestEnv::readFile(kSource);

        DbManage manager;
        QVERIFY(manager.openDatabase());
        QCOMPARE(SampleInfoAccess::getCount(), oldRows);
        for (int i = 0; i < DbFileOps::kGenerations + 2; ++i) {
            QVERIFY(manager.replaceDatabase(kSource));
            QVERIFY(manager.isOpen());
            QCOMPARE(SampleInfoAccess::getCount(), 500);
            QCOMPARE(TestEnv::readFile(path), sourceBytes);
            QCOMPARE(TestEnv::readFile(kSource), sourceBytes);
            if (i == 0) {
                QCOMPARE(TestEnv::readFile(DbManage::backupPath()), oldBytes);
                QCOMPARE(appFiles(), QStringList({"AppDatabase.db", "AppDatabase_backup.db"}));
            }
        }
        SampleInfoAccess access;
        QCOMPARE(access.getModel(0, 1000), 500);
        QList<QByteArray> generations;
        for (int g = 0; g <= DbFileOps::kGenerations; ++g) {
            const QString file = DbFileOps::generationPath(DbManage::backupPath(), g);
            if (QFile::exists(file))
                generations << TestEnv::readFile(file);
        }
        QCOMPARE(generations, (QList<QByteArray>{sourceBytes, oldBytes}));
    }

#ifdef Q_OS_LINUX
    // An import must copy the file: where no file can grow to its size (a full
    // disk) it fails as a write failure, not as an invalid file, and the open
    // database keeps its rows. The source is larger than a file's write buffer,
    // so a write that stops short is seen at the write itself.
    void importFailsAsAWriteFailureWhereTheCopyCannotGrow()
    {
        const QString path = DbManage::databasePath();
        const int oldRows = DemoDataBuilder::build(path, 2, 1);
        QVERIFY(oldRows > 0);
        DemoDataBuilder::build(kSource, 300, 2);
        const qint64 sourceSize = QFileInfo(kSource).size();
        QVERIFY(sourceSize > 64 * 1024);

        DbManage manager;
        QVERIFY(manager.openDatabase());
        const QByteArray oldBytes = TestEnv::readFile(path);
        struct rlimit old {
        };
        const int got = getrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(got, 0);
        const auto previous = signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = rlim_t(sourceSize / 2); // files of this process stop growing here
        setrlimit(RLIMIT_FSIZE, &small);
        DbManage::InstallError importError = DbManage::InstallError::None;
        const bool imported = manager.replaceDatabase(kSource, &importError);
        const int rowsAfterImport = SampleInfoAccess::getCount();
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, previous);

        QVERIFY(!imported);
        QCOMPARE(importError, DbManage::InstallError::Failed);
        QCOMPARE(rowsAfterImport, oldRows);
        QVERIFY(manager.isOpen());
        QCOMPARE(TestEnv::readFile(path), oldBytes);
        QCOMPARE(appFiles(), QStringList({"AppDatabase.db"}));
    }

    // An upload is moved into place, not copied (a copy needs room for a
    // second file), and keeps the mode of the file it replaces.
    void uploadIsMovedAndKeepsTheMode()
    {
        const QString path = DbManage::databasePath();
        const int oldRows = DemoDataBuilder::build(path, 2, 1);
        QVERIFY(oldRows > 0);
        const QString received = QStringLiteral("./app/.AppDatabase.db.received-1");
        const int rows = DemoDataBuilder::build(received, 60, 2);
        const bool modeSet =
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        QVERIFY(modeSet);
        const QFileDevice::Permissions mode = QFile::permissions(path);
        struct stat receivedStat {
        };
        const int statResult = ::stat(QFile::encodeName(received).constData(), &receivedStat);
        QCOMPARE(statResult, 0);

        DbManage manager;
        const bool opened = manager.openDatabase();
        QVERIFY(opened);
        DbManage::InstallError error = DbManage::InstallError::Refused;
        const bool installed = manager.installReceivedDatabase(received, &error);
        QVERIFY(installed);
        QCOMPARE(error, DbManage::InstallError::None);
        QCOMPARE(SampleInfoAccess::getCount(), rows);
        struct stat installedStat {
        };
        ::stat(QFile::encodeName(path).constData(), &installedStat);
        QCOMPARE(installedStat.st_ino, receivedStat.st_ino); // the same file, not a copy
        QVERIFY(!QFile::exists(received));
        QCOMPARE(QFile::permissions(path), mode);
        QCOMPARE(appFiles(), QStringList({"AppDatabase.db", "AppDatabase_backup.db"}));
    }
#endif

    void rowsAreConsistent()
    {
        DemoDataBuilder::Options options;
        options.runs = 200;
        options.seed = 3;
        const QVector<DemoSampleRow> rows = DemoDataBuilder::generate(options);
        const QList<int> codes = Common::itemCodes();
        QSet<QString> keys;
        QSet<int> results;
        QMap<QString, QVector<DemoSampleRow>> runs; // by sample, date and time
        for (const DemoSampleRow &row : rows) {
            QVERIFY2(!keys.contains(row.key), qPrintable(row.key));
            keys.insert(row.key);
            const int pie = row.pieId.toInt();
            QVERIFY2(codes.contains(row.panelType), qPrintable(QString::number(row.panelType)));
            QVERIFY2(row.result >= 0, qPrintable(QString::number(row.result)));
            QCOMPARE(row.isDone, pie < 8 ? 1 : 2); // FAM wells 0-7, VIC 8-15
            results.insert(row.result);
            QVERIFY2(row.ctvalue > 0.0, qPrintable(row.key));
            QCOMPARE(row.result, markOfReferenceTable(row.ctvalue));
            runs[row.sampleId + row.date + row.time] << row;
            if (row.result == 3) { // a strong positive rises well above its baseline
                QVERIFY2(row.prodata[39] > 1000, qPrintable(row.key));
                QVERIFY2(row.data[39] > row.data[0], qPrintable(row.key));
            }
        }
        QCOMPARE(results.size(), 6);
        // One report covers a run of at most 8 records: each a test item of
        // its own in a well and channel of its own.
        QSet<int> runSizes;
        for (const QVector<DemoSampleRow> &run : qAsConst(runs)) {
            QSet<QString> positions;
            QSet<int> items;
            for (const DemoSampleRow &row : run) {
                positions.insert(row.pieId);
                items.insert(row.panelType);
            }
            QCOMPARE(positions.size(), run.size());
            QCOMPARE(items.size(), run.size());
            runSizes.insert(run.size());
        }
        QCOMPARE(runs.size(), 200);
        QCOMPARE(runSizes, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8}));
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
        QVERIFY(tool.waitForFinished(30000));
        QVERIFY(tool.exitCode() != 0);
    }
};

VIREON_TEST_MAIN(TestDbManage)
#include "tst_dbmanage.moc"

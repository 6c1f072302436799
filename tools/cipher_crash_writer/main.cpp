// Test helper for the crash-recovery test of the page codec: leaves a write
// transaction half written to the database file and then blocks until the
// test kills it. Usage: cipher_crash_writer <database path>
#include "database/driver/zsqlitecipherdriver.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

bool run(const QString &sql)
{
    QSqlQuery q;
    if (q.exec(sql))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(q.lastError().text()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cipher_crash_writer <database>\n");
        return 2;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(new ZSQLiteCipherDriver);
        db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        if (!db.open())
            return 3;
        // A cache of a few pages forces changed pages out to the file while
        // the transaction is still open.
        if (!run(QStringLiteral("PRAGMA cache_size=4")) || !db.transaction() ||
            !run(QStringLiteral("UPDATE T SET S = 'CHANGED-' || S")) ||
            !run(QStringLiteral("INSERT INTO T (S) SELECT 'CHANGED-NEW-' || S FROM T")))
            return 4;
        std::printf("IN-TRANSACTION\n");
        std::fflush(stdout);
        // Wait for the kill; end quietly if the test closes our input instead.
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}

// Driver and page codec against Qt's stock SQLite driver on a plain file, in
// the same process and run, on the same rows:
//   insert   100,000 sample rows (92 columns) in one transaction
//   scan     SELECT * over them, every value read (forward-only and default)
//   open     open + first statement of an existing file; the page key of a
//            file is derived once per process (timed on its own, cold)
// Each figure is the best of several rounds, taken alternately.
#include "database/codec/pagecipher.h"
#include "database/dbschema.h"
#include "database/driver/zsqlitecipherdriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kRounds = 3;

struct Setup {
    const char *label;
    bool cipher;
    QString path;
};

// The sample table alone, without the program's indexes: this measures the
// driver and codec, not the index maintenance.
QString createSql()
{
    return DbSchema::createStatements(DbSchema::sampleTable()).first();
}

QSqlDatabase openConnection(const Setup &s, const QString &name)
{
    QSqlDatabase db = s.cipher ? QSqlDatabase::addDatabase(new ZSQLiteCipherDriver, name)
                               : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(s.path);
    if (!db.open())
        std::fprintf(stderr, "open %s: %s\n", s.label, qPrintable(db.lastError().text()));
    return db;
}

void dropConnection(const QString &name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

double insertRows(const Setup &s)
{
    QFile::remove(s.path);
    const QString name = QStringLiteral("insert");
    double ms = 0;
    {
        QSqlDatabase db = openConnection(s, name);
        QSqlQuery q(db);
        q.exec(createSql());
        QStringList marks;
        for (int i = 0; i < 92; ++i)
            marks << QStringLiteral("?");
        q.prepare(QStringLiteral("INSERT INTO SampleInfoTable VALUES (%1)").arg(marks.join(QLatin1Char(','))));
        QRandomGenerator rng(7);
        QElapsedTimer t;
        t.start();
        db.transaction();
        for (int r = 0; r < kRows; ++r) {
            q.addBindValue(QStringLiteral("20250101%1").arg(r, 6, 10, QLatin1Char('0')));
            q.addBindValue(int(rng.bounded(20)));
            q.addBindValue(QStringLiteral("S%1").arg(r / 16));
            q.addBindValue(QStringLiteral("SBT%1").arg(r % 97));
            q.addBindValue(QString::number(r % 16));
            q.addBindValue(QStringLiteral("P%1").arg(r % 1000));
            q.addBindValue(QString());
            q.addBindValue(1 + r % 2);
            q.addBindValue(int(rng.bounded(6)));
            q.addBindValue(QStringLiteral("2025%1%2")
                               .arg(1 + r % 12, 2, 10, QLatin1Char('0'))
                               .arg(1 + r % 28, 2, 10, QLatin1Char('0')));
            q.addBindValue(QStringLiteral("1230%1").arg(r % 60, 2, 10, QLatin1Char('0')));
            for (int i = 0; i < 40; ++i)
                q.addBindValue(int(1000 + rng.bounded(30000)));
            q.addBindValue(20.0 + rng.bounded(21.0));
            for (int i = 0; i < 40; ++i)
                q.addBindValue(int(rng.bounded(20000)));
            if (!q.exec()) {
                std::fprintf(stderr, "insert %s: %s\n", s.label, qPrintable(q.lastError().text()));
                break;
            }
        }
        db.commit();
        ms = t.nsecsElapsed() / 1e6;
    }
    dropConnection(name);
    return ms;
}

double scanRows(const Setup &s, bool forwardOnly, qint64 *checksum)
{
    const QString name = QStringLiteral("scan");
    double ms = 0;
    {
        QSqlDatabase db = openConnection(s, name);
        QSqlQuery q(db);
        q.setForwardOnly(forwardOnly);
        QElapsedTimer t;
        t.start();
        q.exec(QStringLiteral("SELECT * FROM SampleInfoTable"));
        qint64 sum = 0;
        int rows = 0;
        while (q.next()) {
            sum += q.value(0).toString().size() + q.value(2).toString().size() + q.value(9).toString().size();
            for (int c = 11; c < 92; ++c)
                sum += q.value(c).toLongLong();
            sum += q.value(1).toInt() + q.value(7).toInt() + q.value(8).toInt();
            ++rows;
        }
        ms = t.nsecsElapsed() / 1e6;
        *checksum = sum + rows;
    }
    dropConnection(name);
    return ms;
}

double openFirstStatement(const Setup &s)
{
    const QString name = QStringLiteral("open");
    QElapsedTimer t;
    t.start();
    double ms = 0;
    {
        QSqlDatabase db = openConnection(s, name);
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        q.next();
        ms = t.nsecsElapsed() / 1e6;
    }
    dropConnection(name);
    return ms;
}

double best(const std::function<double()> &f)
{
    double b = 1e18;
    for (int i = 0; i < kRounds; ++i)
        b = std::min(b, f());
    return b;
}

void report(const char *what, double plain, double cipher)
{
    std::printf("%-34s plain %9.2f ms   cipher %9.2f ms   ratio %.3f\n", what, plain, cipher, cipher / plain);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Setup plain{"QSQLITE", false, dir.filePath(QStringLiteral("plain.db"))};
    Setup cipher{"ZSQLiteCipher", true, dir.filePath(QStringLiteral("cipher.db"))};

    // One cold key derivation (a salt never seen in this process).
    CipherVfs::Salt salt;
    CipherVfs::randomSalt(&salt);
    CipherVfs::PageKey key;
    QElapsedTimer kdf;
    kdf.start();
    CipherVfs::derivePageKey(std::string(32, 'k'), salt, &key);
    const double derivation = kdf.nsecsElapsed() / 1e6;

    // The cipher alone, per 4 KiB page (nonce generation included).
    CipherVfs::PageCipher pageCipher;
    pageCipher.setKey(key);
    std::vector<unsigned char> plainPage(CipherVfs::kPageSize, 0x5a), sealed(CipherVfs::kPageSize),
        work(CipherVfs::kPageSize);
    const int pages = 20000;
    QElapsedTimer ct;
    ct.start();
    for (int i = 0; i < pages; ++i)
        pageCipher.encrypt(uint32_t(i + 2), CipherVfs::PageKind::Database, plainPage.data(), sealed.data());
    const double encryptUs = ct.nsecsElapsed() / 1e3 / pages;
    ct.restart();
    for (int i = 0; i < pages; ++i) {
        std::copy(sealed.begin(), sealed.end(), work.begin());
        pageCipher.decrypt(uint32_t(pages + 1), CipherVfs::PageKind::Database, work.data());
    }
    const double decryptUs = ct.nsecsElapsed() / 1e3 / pages;

    double insPlain = 1e18, insCipher = 1e18;
    for (int i = 0; i < kRounds; ++i) {
        insPlain = std::min(insPlain, insertRows(plain));
        insCipher = std::min(insCipher, insertRows(cipher));
    }
    qint64 sumPlain = 0, sumCipher = 0;
    const double fwdPlain = best([&] { return scanRows(plain, true, &sumPlain); });
    const double fwdCipher = best([&] { return scanRows(cipher, true, &sumCipher); });
    const bool sameFwd = sumPlain == sumCipher;
    const double scrPlain = best([&] { return scanRows(plain, false, &sumPlain); });
    const double scrCipher = best([&] { return scanRows(cipher, false, &sumCipher); });
    const double openPlain = best([&] { return openFirstStatement(plain); });
    const double openCipher = best([&] { return openFirstStatement(cipher); });

    std::printf("rows %d, best of %d rounds, file sizes plain %lld / cipher %lld bytes\n", kRows, kRounds,
                QFile(plain.path).size(), QFile(cipher.path).size());
    report("insert (one transaction)", insPlain, insCipher);
    report("SELECT * scan, forward-only", fwdPlain, fwdCipher);
    report("SELECT * scan, scrollable (default)", scrPlain, scrCipher);
    report("open + first statement", openPlain, openCipher);
    std::printf("key derivation, cold (HKDF-SHA256, once per file and process): %.3f ms\n", derivation);
    const double filePages = double(QFile(cipher.path).size()) / CipherVfs::kPageSize;
    std::printf("cipher per page: encrypt %.2f us, decrypt %.2f us; for this file's %.0f pages: %.1f ms / %.1f ms\n",
                encryptUs, decryptUs, filePages, filePages * encryptUs / 1e3, filePages * decryptUs / 1e3);
    std::printf("checksums %s\n", sameFwd && sumPlain == sumCipher ? "equal" : "DIFFER");
    return sameFwd && sumPlain == sumCipher ? 0 : 1;
}

#include "database/codec/ciphervfs.h"

#include "database/codec/pagecipher.h"

#include <QDebug>

#include <openssl/crypto.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <strings.h>
#include <utility>
#include <vector>

namespace CipherVfs {

namespace {

// The program's master key. Each file's page key is derived from it and the
// file's own salt, so equal pages of two files never look alike.
const unsigned char kCompiledKey[kKeyBytes] = {0xc7, 0xaf, 0x28, 0x00, 0x9b, 0x94, 0xd1, 0x78, 0x0a, 0x08, 0x85,
                                               0x14, 0x2e, 0x62, 0xee, 0x72, 0xd6, 0x95, 0x11, 0xbf, 0x13, 0x98,
                                               0xa2, 0xf0, 0xa9, 0xb0, 0x2f, 0xc5, 0x43, 0xa5, 0xaa, 0x27};

const char kVfsName[] = "vireon-cipher";
// The engine's fixed header text; on disk its place holds the file's salt.
const char kHeaderText[kSaltBytes] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};

std::mutex g_keyOverrideMutex;
std::string g_keyOverride;

std::string currentMasterKey()
{
    std::lock_guard<std::mutex> lock(g_keyOverrideMutex);
    if (!g_keyOverride.empty())
        return g_keyOverride;
    return std::string(reinterpret_cast<const char *>(kCompiledKey), kKeyBytes);
}

uint32_t get32(const unsigned char *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// Key material of one open database file, shared with its rollback journal.
struct KeyRing {
    std::string master;
    sqlite3_file *dbFile = nullptr;      // the database file below this VFS, to read the salt
    sqlite3_file *journalFile = nullptr; // its rollback journal while open
    bool haveSalt = false;
    Salt salt{};
    PageCipher cipher;

    bool useSalt(const unsigned char *s)
    {
        if (haveSalt && std::memcmp(salt.data(), s, kSaltBytes) == 0)
            return true;
        haveSalt = false;
        Salt next;
        std::memcpy(next.data(), s, kSaltBytes);
        PageKey key;
        if (!derivePageKey(master, next, &key) || !cipher.setKey(key))
            return false;
        salt = next;
        haveSalt = true;
        return true;
    }

    // The salt comes from the first bytes of the file; an empty file that is
    // being written gets a fresh one.
    bool ensureSalt(bool mayCreate)
    {
        if (haveSalt)
            return true;
        if (!dbFile)
            return false;
        unsigned char buf[kSaltBytes];
        const int rc = dbFile->pMethods->xRead(dbFile, buf, kSaltBytes, 0);
        if (rc == SQLITE_OK)
            return useSalt(buf);
        sqlite3_int64 size = -1;
        if (rc != SQLITE_IOERR_SHORT_READ || !mayCreate || dbFile->pMethods->xFileSize(dbFile, &size) != SQLITE_OK ||
            size != 0)
            return false;
        Salt fresh;
        return randomSalt(&fresh) && useSalt(fresh.data());
    }
};

struct FileState {
    bool journal = false;
    std::shared_ptr<KeyRing> ring;
    const char *name = nullptr; // database files: the name the journal finds them by
    int lockLevel = SQLITE_LOCK_NONE;
    sqlite3_int64 pgnoWordOffset = -1; // journal: where the last 4-byte word went
    uint32_t pgnoWord = 0;
    alignas(16) unsigned char scratch[kPageSize];
};

struct CipherFile {
    sqlite3_file base;
    FileState *state;
    // the underlying file object follows
};

sqlite3_file *lower(sqlite3_file *f)
{
    return reinterpret_cast<sqlite3_file *>(reinterpret_cast<CipherFile *>(f) + 1);
}
FileState *stateOf(sqlite3_file *f)
{
    return reinterpret_cast<CipherFile *>(f)->state;
}

// Open database files, so that a journal finds the keys of its database.
std::mutex g_registryMutex;
std::vector<std::pair<const char *, std::weak_ptr<KeyRing>>> g_databases;

void registerDatabase(const char *name, const std::shared_ptr<KeyRing> &ring)
{
    std::lock_guard<std::mutex> lock(g_registryMutex);
    g_databases.emplace_back(name, ring);
}

void unregisterDatabase(const char *name)
{
    std::lock_guard<std::mutex> lock(g_registryMutex);
    g_databases.erase(
        std::remove_if(g_databases.begin(), g_databases.end(), [name](const auto &e) { return e.first == name; }),
        g_databases.end());
}

std::shared_ptr<KeyRing> findDatabase(const char *journalName)
{
    // The engine hands the journal a name inside the database name's own
    // buffer, so the pointer identifies the very connection's file.
    const char *dbName = sqlite3_filename_database(journalName);
    std::lock_guard<std::mutex> lock(g_registryMutex);
    for (const auto &e : g_databases)
        if (e.first == dbName)
            return e.second.lock();
    return nullptr;
}

// ---- database file ----

bool headerMatchesFile(sqlite3_file *f, const unsigned char *page)
{
    if (page[16] != (kPageSize >> 8) || page[17] != (kPageSize & 0xff) || page[20] < kReserveBytes)
        return false;
    sqlite3_int64 size = 0;
    if (f->pMethods->xFileSize(f, &size) != SQLITE_OK || size % kPageSize != 0)
        return false;
    // The page count in the header is valid when the two counters agree.
    const uint32_t pages = get32(page + 28);
    return std::memcmp(page + 24, page + 92, 4) != 0 || sqlite3_int64(pages) * kPageSize <= size;
}

bool firstPageAuthenticates(KeyRing &ring, sqlite3_file *f, unsigned char *page)
{
    return f->pMethods->xRead(f, page, kPageSize, 0) == SQLITE_OK && ring.useSalt(page) &&
           ring.cipher.decrypt(1, PageKind::Database, page, kSaltBytes);
}

// Page 1 that cannot be read as ours comes back as zeros without an error:
// the engine then reports "not a database" for a wrong key, a foreign or a
// truncated file.
int decodeFirstPage(FileState *s, sqlite3_file *f, unsigned char *page)
{
    if (!s->ring->useSalt(page) || !s->ring->cipher.decrypt(1, PageKind::Database, page, kSaltBytes)) {
        qDebug() << "CipherVfs: page 1 does not decrypt (wrong key or not a database)";
        std::memset(page, 0, kPageSize);
        return SQLITE_OK;
    }
    std::memcpy(page, kHeaderText, kSaltBytes);
    // While this connection is not writing, nobody is: the file must then
    // hold every page the header counts.
    if (s->lockLevel <= SQLITE_LOCK_SHARED && !headerMatchesFile(f, page)) {
        qDebug() << "CipherVfs: database file is shorter than its header says";
        std::memset(page, 0, kPageSize);
    }
    return SQLITE_OK;
}

int readDbPage(FileState *s, sqlite3_file *f, uint32_t pgno, unsigned char *page)
{
    const sqlite3_int64 offset = sqlite3_int64(pgno - 1) * kPageSize;
    int rc = f->pMethods->xRead(f, page, kPageSize, offset);
    if (rc == SQLITE_IOERR_SHORT_READ) {
        sqlite3_int64 size = 0;
        f->pMethods->xFileSize(f, &size);
        std::memset(page, 0, kPageSize);
        if (size <= offset)
            return SQLITE_IOERR_SHORT_READ; // past the end: a page not written yet
        if (pgno == 1)
            return SQLITE_OK;
        qDebug() << "CipherVfs: page" << pgno << "is cut short";
        return SQLITE_IOERR_DATA;
    }
    if (rc != SQLITE_OK)
        return rc;
    if (pgno == 1)
        return decodeFirstPage(s, f, page);
    if (!s->ring->ensureSalt(false) || !s->ring->cipher.decrypt(pgno, PageKind::Database, page)) {
        qDebug() << "CipherVfs: page" << pgno << "failed authentication";
        std::memset(page, 0, kPageSize);
        return SQLITE_IOERR_DATA;
    }
    return SQLITE_OK;
}

int dbRead(FileState *s, sqlite3_file *f, void *buf, int amount, sqlite3_int64 offset)
{
    if (amount == kPageSize && offset % kPageSize == 0)
        return readDbPage(s, f, uint32_t(offset / kPageSize + 1), static_cast<unsigned char *>(buf));
    // Pieces of a page (the header reads of page 1): decrypt the whole page.
    auto *out = static_cast<unsigned char *>(buf);
    bool shortRead = false;
    while (amount > 0) {
        const uint32_t pgno = uint32_t(offset / kPageSize + 1);
        const int inPage = int(offset % kPageSize);
        const int n = std::min(amount, kPageSize - inPage);
        const int rc = readDbPage(s, f, pgno, s->scratch);
        if (rc == SQLITE_IOERR_SHORT_READ) {
            shortRead = true;
        } else if (rc != SQLITE_OK) {
            std::memset(out, 0, size_t(amount));
            return rc;
        }
        std::memcpy(out, s->scratch + inPage, size_t(n));
        out += n;
        offset += n;
        amount -= n;
    }
    return shortRead ? SQLITE_IOERR_SHORT_READ : SQLITE_OK;
}

int dbWrite(FileState *s, sqlite3_file *f, const void *buf, int amount, sqlite3_int64 offset)
{
    if (amount != kPageSize || offset % kPageSize != 0) {
        qDebug() << "CipherVfs: refused a write of" << amount << "bytes at" << offset;
        return SQLITE_IOERR_WRITE;
    }
    const auto *page = static_cast<const unsigned char *>(buf);
    const uint32_t pgno = uint32_t(offset / kPageSize + 1);
    // The codec's bytes must be reserved, and the file stays in rollback
    // journal format (18/19 = 1): a page 1 without that would lose data.
    if (pgno == 1 && (page[16] != (kPageSize >> 8) || page[17] != (kPageSize & 0xff) || page[18] != 1 ||
                      page[19] != 1 || page[20] < kReserveBytes)) {
        qDebug() << "CipherVfs: refused page 1 without the codec's page layout";
        return SQLITE_IOERR_WRITE;
    }
    KeyRing &ring = *s->ring;
    if (!ring.ensureSalt(true))
        return SQLITE_IOERR_WRITE;
    int from = 0;
    if (pgno == 1) {
        std::memcpy(s->scratch, ring.salt.data(), kSaltBytes);
        from = kSaltBytes;
    }
    if (!ring.cipher.encrypt(pgno, PageKind::Database, page, s->scratch, from))
        return SQLITE_IOERR_WRITE;
    return f->pMethods->xWrite(f, s->scratch, kPageSize, offset);
}

// ---- rollback journal ----
// A journal record is a 4-byte page number, the page image and a 4-byte
// checksum; only the image is encrypted. Headers sit at multiples of the
// sector size, so an image is the one page-sized piece at 4 mod 8.

bool isPageImage(int amount, sqlite3_int64 offset)
{
    return amount == kPageSize && (offset & 7) == 4;
}

// Whether page 1 of the journal's database authenticates with our key.
bool databaseReadable(FileState *s)
{
    return s->ring->dbFile && firstPageAuthenticates(*s->ring, s->ring->dbFile, s->scratch);
}

int journalRead(FileState *s, sqlite3_file *f, void *buf, int amount, sqlite3_int64 offset)
{
    int rc = f->pMethods->xRead(f, buf, amount, offset);
    if (rc != SQLITE_OK || !isPageImage(amount, offset))
        return rc;
    auto *page = static_cast<unsigned char *>(buf);
    unsigned char word[4];
    rc = f->pMethods->xRead(f, word, 4, offset - 4);
    if (rc != SQLITE_OK || !s->ring->ensureSalt(false) ||
        !s->ring->cipher.decrypt(get32(word), PageKind::Journal, page)) {
        qDebug() << "CipherVfs: journal page image at" << offset << "failed authentication";
        std::memset(page, 0, kPageSize);
        // A wrong key meets a hot journal before it meets page 1: say what
        // page 1 would say. The journal stays for the right key.
        return databaseReadable(s) ? SQLITE_IOERR_DATA : SQLITE_NOTADB;
    }
    return SQLITE_OK;
}

int journalWrite(FileState *s, sqlite3_file *f, const void *buf, int amount, sqlite3_int64 offset)
{
    if (amount == 4) {
        s->pgnoWordOffset = offset;
        s->pgnoWord = get32(static_cast<const unsigned char *>(buf));
    }
    if (!isPageImage(amount, offset))
        return f->pMethods->xWrite(f, buf, amount, offset);
    uint32_t pgno = s->pgnoWord;
    if (s->pgnoWordOffset != offset - 4) {
        unsigned char word[4];
        if (f->pMethods->xRead(f, word, 4, offset - 4) != SQLITE_OK)
            return SQLITE_IOERR_WRITE;
        pgno = get32(word);
    }
    if (!s->ring->ensureSalt(true) ||
        !s->ring->cipher.encrypt(pgno, PageKind::Journal, static_cast<const unsigned char *>(buf), s->scratch))
        return SQLITE_IOERR_WRITE;
    return f->pMethods->xWrite(f, s->scratch, kPageSize, offset);
}

// ---- io methods ----

int ioClose(sqlite3_file *file)
{
    FileState *s = stateOf(file);
    sqlite3_file *f = lower(file);
    const int rc = f->pMethods ? f->pMethods->xClose(f) : SQLITE_OK;
    if (s) {
        if (!s->journal) {
            unregisterDatabase(s->name);
            s->ring->dbFile = nullptr;
        } else if (s->ring->journalFile == f) {
            s->ring->journalFile = nullptr;
        }
        delete s;
        reinterpret_cast<CipherFile *>(file)->state = nullptr;
    }
    return rc;
}

int ioRead(sqlite3_file *file, void *buf, int amount, sqlite3_int64 offset)
{
    FileState *s = stateOf(file);
    return s->journal ? journalRead(s, lower(file), buf, amount, offset) : dbRead(s, lower(file), buf, amount, offset);
}

int ioWrite(sqlite3_file *file, const void *buf, int amount, sqlite3_int64 offset)
{
    FileState *s = stateOf(file);
    return s->journal ? journalWrite(s, lower(file), buf, amount, offset)
                      : dbWrite(s, lower(file), buf, amount, offset);
}

// Whether the first page image of the open journal authenticates: after a
// power loss page 1 itself may be torn, and the journal then vouches for it.
bool journalAuthenticates(KeyRing &ring, unsigned char *page)
{
    sqlite3_file *j = ring.journalFile;
    unsigned char header[28];
    if (!j || j->pMethods->xRead(j, header, int(sizeof(header)), 0) != SQLITE_OK)
        return false;
    const uint32_t sectorSize = get32(header + 20);
    if (get32(header + 24) != kPageSize || sectorSize < 32 || sectorSize > 65536 || (sectorSize & (sectorSize - 1)))
        return false;
    unsigned char word[4];
    return j->pMethods->xRead(j, word, 4, sectorSize) == SQLITE_OK &&
           j->pMethods->xRead(j, page, kPageSize, sectorSize + 4) == SQLITE_OK &&
           ring.cipher.decrypt(get32(word), PageKind::Journal, page);
}

int ioTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    FileState *s = stateOf(file);
    sqlite3_file *f = lower(file);
    // A hot journal is played back by first cutting the database to its old
    // size. Over a file this key cannot read (wrong key, or a foreign file
    // with a journal beside it) that would change a file we must not touch.
    sqlite3_int64 current = 0;
    if (!s->journal && f->pMethods->xFileSize(f, &current) == SQLITE_OK && current > size && current >= kPageSize &&
        !firstPageAuthenticates(*s->ring, f, s->scratch) && !journalAuthenticates(*s->ring, s->scratch)) {
        qDebug() << "CipherVfs: refused to truncate a file that is not ours";
        return SQLITE_NOTADB;
    }
    return f->pMethods->xTruncate(f, size);
}

int ioSync(sqlite3_file *file, int flags)
{
    sqlite3_file *f = lower(file);
    return f->pMethods->xSync(f, flags);
}

int ioFileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    sqlite3_file *f = lower(file);
    return f->pMethods->xFileSize(f, size);
}

int ioLock(sqlite3_file *file, int level)
{
    sqlite3_file *f = lower(file);
    const int rc = f->pMethods->xLock(f, level);
    if (rc == SQLITE_OK)
        stateOf(file)->lockLevel = level;
    return rc;
}

int ioUnlock(sqlite3_file *file, int level)
{
    sqlite3_file *f = lower(file);
    const int rc = f->pMethods->xUnlock(f, level);
    if (rc == SQLITE_OK)
        stateOf(file)->lockLevel = level;
    return rc;
}

int ioCheckReservedLock(sqlite3_file *file, int *out)
{
    sqlite3_file *f = lower(file);
    return f->pMethods->xCheckReservedLock(f, out);
}

int ioFileControl(sqlite3_file *file, int op, void *arg)
{
    if (op == SQLITE_FCNTL_PRAGMA) {
        // A write-ahead log would hold page images outside the codec.
        char **a = static_cast<char **>(arg);
        if (a[1] && a[2] && strcasecmp(a[1], "journal_mode") == 0 && strcasecmp(a[2], "wal") == 0) {
            a[0] = sqlite3_mprintf("encrypted databases use the rollback journal only");
            return SQLITE_ERROR;
        }
    }
    sqlite3_file *f = lower(file);
    return f->pMethods->xFileControl(f, op, arg);
}

int ioSectorSize(sqlite3_file *file)
{
    sqlite3_file *f = lower(file);
    return f->pMethods->xSectorSize(f);
}

int ioDeviceCharacteristics(sqlite3_file *file)
{
    sqlite3_file *f = lower(file);
    // Keep the journal's record count exact and the journal in use.
    return f->pMethods->xDeviceCharacteristics(f) & ~(SQLITE_IOCAP_SAFE_APPEND | SQLITE_IOCAP_BATCH_ATOMIC);
}

// Version 1: no shared memory (so no write-ahead log) and no memory mapping.
const sqlite3_io_methods g_ioMethods = {
    1,
    ioClose,
    ioRead,
    ioWrite,
    ioTruncate,
    ioSync,
    ioFileSize,
    ioLock,
    ioUnlock,
    ioCheckReservedLock,
    ioFileControl,
    ioSectorSize,
    ioDeviceCharacteristics,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

// ---- vfs ----

sqlite3_vfs g_vfs;
std::once_flag g_registerOnce;
bool g_registered = false;

sqlite3_vfs *baseVfs(sqlite3_vfs *vfs)
{
    return static_cast<sqlite3_vfs *>(vfs->pAppData);
}

int vfsOpen(sqlite3_vfs *vfs, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    sqlite3_vfs *base = baseVfs(vfs);
    if (flags & (SQLITE_OPEN_WAL | SQLITE_OPEN_TEMP_DB | SQLITE_OPEN_TEMP_JOURNAL | SQLITE_OPEN_TRANSIENT_DB |
                 SQLITE_OPEN_SUBJOURNAL)) {
        // These would be plaintext files beside the database.
        qDebug() << "CipherVfs: refused to open a write-ahead log or temporary file, flags" << Qt::hex << flags;
        return SQLITE_CANTOPEN;
    }
    const bool isDb = flags & SQLITE_OPEN_MAIN_DB;
    const bool isJournal = flags & SQLITE_OPEN_MAIN_JOURNAL;
    if (!isDb && !isJournal) // super-journal: file names only
        return base->xOpen(base, name, file, flags, outFlags);

    auto *cf = reinterpret_cast<CipherFile *>(file);
    std::memset(cf, 0, sizeof(*cf));
    std::shared_ptr<KeyRing> ring;
    if (isJournal) {
        ring = findDatabase(name);
        if (!ring) {
            qDebug() << "CipherVfs: journal without its database" << name;
            return SQLITE_CANTOPEN;
        }
    } else {
        ring = std::make_shared<KeyRing>();
        ring->master = currentMasterKey();
    }
    sqlite3_file *f = lower(file);
    const int rc = base->xOpen(base, name, f, flags, outFlags);
    if (rc != SQLITE_OK) {
        if (f->pMethods)
            f->pMethods->xClose(f);
        return rc;
    }
    auto *s = new FileState;
    s->journal = isJournal;
    s->ring = ring;
    if (isDb) {
        s->name = name;
        ring->dbFile = f;
        registerDatabase(name, ring);
    } else {
        ring->journalFile = f;
    }
    cf->state = s;
    cf->base.pMethods = &g_ioMethods;
    return SQLITE_OK;
}

int vfsDelete(sqlite3_vfs *vfs, const char *name, int syncDir)
{
    return baseVfs(vfs)->xDelete(baseVfs(vfs), name, syncDir);
}
int vfsAccess(sqlite3_vfs *vfs, const char *name, int flags, int *out)
{
    return baseVfs(vfs)->xAccess(baseVfs(vfs), name, flags, out);
}
int vfsFullPathname(sqlite3_vfs *vfs, const char *name, int n, char *out)
{
    return baseVfs(vfs)->xFullPathname(baseVfs(vfs), name, n, out);
}
void *vfsDlOpen(sqlite3_vfs *vfs, const char *path)
{
    return baseVfs(vfs)->xDlOpen(baseVfs(vfs), path);
}
void vfsDlError(sqlite3_vfs *vfs, int n, char *msg)
{
    baseVfs(vfs)->xDlError(baseVfs(vfs), n, msg);
}
void (*vfsDlSym(sqlite3_vfs *vfs, void *h, const char *sym))(void)
{
    return baseVfs(vfs)->xDlSym(baseVfs(vfs), h, sym);
}
void vfsDlClose(sqlite3_vfs *vfs, void *h)
{
    baseVfs(vfs)->xDlClose(baseVfs(vfs), h);
}
int vfsRandomness(sqlite3_vfs *vfs, int n, char *out)
{
    return baseVfs(vfs)->xRandomness(baseVfs(vfs), n, out);
}
int vfsSleep(sqlite3_vfs *vfs, int us)
{
    return baseVfs(vfs)->xSleep(baseVfs(vfs), us);
}
int vfsCurrentTime(sqlite3_vfs *vfs, double *t)
{
    return baseVfs(vfs)->xCurrentTime(baseVfs(vfs), t);
}
int vfsGetLastError(sqlite3_vfs *vfs, int n, char *msg)
{
    return baseVfs(vfs)->xGetLastError ? baseVfs(vfs)->xGetLastError(baseVfs(vfs), n, msg) : 0;
}
int vfsCurrentTimeInt64(sqlite3_vfs *vfs, sqlite3_int64 *t)
{
    return baseVfs(vfs)->xCurrentTimeInt64(baseVfs(vfs), t);
}

int autoConfigure(sqlite3 *db, char **, const sqlite3_api_routines *)
{
    configureConnection(db);
    return SQLITE_OK;
}

void registerVfs()
{
    // Connections may still be rolled back while the process exits (Qt
    // closes leftover connections from its own exit handler): libcrypto must
    // not have been torn down by then.
    if (OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr) != 1 || sqlite3_initialize() != SQLITE_OK)
        return;
    sqlite3_vfs *base = sqlite3_vfs_find(nullptr);
    if (!base || base->iVersion < 2 || !base->xCurrentTimeInt64)
        return;
    std::memset(&g_vfs, 0, sizeof(g_vfs));
    g_vfs.iVersion = 2;
    g_vfs.szOsFile = int(sizeof(CipherFile)) + base->szOsFile;
    g_vfs.mxPathname = base->mxPathname;
    g_vfs.zName = kVfsName;
    g_vfs.pAppData = base;
    g_vfs.xOpen = vfsOpen;
    g_vfs.xDelete = vfsDelete;
    g_vfs.xAccess = vfsAccess;
    g_vfs.xFullPathname = vfsFullPathname;
    g_vfs.xDlOpen = vfsDlOpen;
    g_vfs.xDlError = vfsDlError;
    g_vfs.xDlSym = vfsDlSym;
    g_vfs.xDlClose = vfsDlClose;
    g_vfs.xRandomness = vfsRandomness;
    g_vfs.xSleep = vfsSleep;
    g_vfs.xCurrentTime = vfsCurrentTime;
    g_vfs.xGetLastError = vfsGetLastError;
    g_vfs.xCurrentTimeInt64 = vfsCurrentTimeInt64;
    if (sqlite3_vfs_register(&g_vfs, 0) != SQLITE_OK)
        return;
    // Every connection on this VFS gets its settings before its first
    // statement, however it was opened.
    g_registered = sqlite3_auto_extension(reinterpret_cast<void (*)(void)>(autoConfigure)) == SQLITE_OK;
}

} // namespace

bool ensureRegistered()
{
    std::call_once(g_registerOnce, registerVfs);
    if (!g_registered)
        qDebug() << "CipherVfs: the page codec could not be registered";
    return g_registered;
}

const char *vfsName()
{
    return kVfsName;
}

bool configureConnection(sqlite3 *db)
{
    sqlite3_vfs *vfs = nullptr;
    if (!db || sqlite3_file_control(db, "main", SQLITE_FCNTL_VFS_POINTER, &vfs) != SQLITE_OK || vfs != &g_vfs)
        return false;
    // None of these read the file: a wrong key still fails on the first
    // statement, not at open. Secure delete writes freed pages (as zeros,
    // encrypted) instead of leaving never-written holes in the file.
    const int rc = sqlite3_exec(db, "PRAGMA page_size=4096; PRAGMA temp_store=MEMORY; PRAGMA secure_delete=ON;",
                                nullptr, nullptr, nullptr);
    int reserve = kReserveBytes;
    sqlite3_file_control(db, "main", SQLITE_FCNTL_RESERVE_BYTES, &reserve);
    return rc == SQLITE_OK;
}

void setKeyOverride(const std::string &key)
{
    std::lock_guard<std::mutex> lock(g_keyOverrideMutex);
    g_keyOverride = key;
}

} // namespace CipherVfs

#pragma once

#include <string>

struct sqlite3;

// The page codec: a SQLite VFS that stores every page of a database file and
// every page image of its rollback journal encrypted with AES-256-GCM (see
// pagecipher.h for the page layout). Open a database with
// sqlite3_open_v2(path, &db, flags, CipherVfs::vfsName()).
//
// Rules the VFS enforces:
// - pages are 4096 bytes with 32 reserved bytes; a page 1 without them is
//   never written (a new file ATTACHed to a connection therefore needs
//   SQLITE_FCNTL_RESERVE_BYTES on its schema name before its first write);
// - only the rollback journal (DELETE mode) is used: a write-ahead log is
//   refused, and nothing is memory-mapped;
// - temporary files never reach the disk (temp_store is MEMORY).
// A wrong key, a foreign file or a truncated file reads as "not a database"
// on the first statement; a page that fails authentication is an I/O error.
namespace CipherVfs {

// Registers the VFS (not as the default one) once; thread-safe.
bool ensureRegistered();
const char *vfsName();

// Applies the page size, reserved bytes and in-memory temporary storage to a
// connection opened through this VFS; touches nothing on disk. Connections
// get it automatically at open; calling it again is harmless. Returns false
// for a connection that does not use this VFS.
bool configureConnection(sqlite3 *db);

// Files opened after this call use `key` instead of the compiled-in key
// (empty = compiled-in). For tests of the wrong-key path.
void setKeyOverride(const std::string &key);

} // namespace CipherVfs

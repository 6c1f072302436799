#pragma once

#include <QString>

// File-level helpers of the database manager: durable copies, backup
// generations and atomic renames. Each returns false with a debug line.
namespace DbFileOps {

// Journal file SQLite keeps beside a database in rollback mode.
QString journalOf(const QString &dbPath);

// Moves src under a fresh unique name in folder, as copyToTemp names it:
// a rename within one file system, else a synced copy after which src is
// removed. Returns the new path, or an empty text (src left) on failure.
QString moveToTemp(const QString &src, const QString &folder, const QString &prefix);

// Copies src to dst through a temporary file in dst's folder and renames it
// into place only when every byte was written and synced; dst is replaced.
// The temporary file is named as copyToTemp() names it, with the prefix
// durableCopyPrefix(dst).
bool durableCopy(const QString &src, const QString &dst);
QString durableCopyPrefix(const QString &dst);

// True when name (without folder) is exactly a name copyToTemp() or
// moveToTemp() makes with prefix: the prefix, six letters or digits and
// ".tmp", compared with case. Only such files may be taken for leftovers.
bool isTempName(const QString &name, const QString &prefix);

// Makes a synced copy of src under a fresh unique name in folder; returns
// its path, or an empty text on failure.
QString copyToTemp(const QString &src, const QString &folder, const QString &prefix);

// Backup generations: base, then base with ".1" ... ".<kGenerations>" before
// the suffix. Shifts every generation one step older to free base; only the
// oldest (beyond kGenerations) is dropped. A database's journal moves with it.
constexpr int kGenerations = 5;
QString generationPath(const QString &base, int generation);
bool rotate(const QString &base);

// rename(2): atomically replaces dst. A journal of src moves too when asked.
bool renameOver(const QString &src, const QString &dst);

// renameOver() for a file that takes dst's place: it gets dst's permissions
// first, or those the engine gives a new database (0644) when dst is missing.
bool replaceKeepingMode(const QString &src, const QString &dst);

// Adds a second name for src (hard link) or, where that fails, a durable copy.
bool linkOrCopy(const QString &src, const QString &dst);

// Flushes the folder entry of a rename to disk.
void syncFolder(const QString &folder);

bool sameBytes(const QString &a, const QString &b);

} // namespace DbFileOps

#pragma once

#include <QString>
#include <QStringList>

// Crafts database files the way a hostile one would be made: statements run
// on path through the program's own driver (so the file is enciphered as the
// program's), with PRAGMA writable_schema allowed even where the engine was
// built defensive.
namespace CraftDb {

// plain: through Qt's own SQLite driver instead, for a file that is not
// enciphered.
bool exec(const QString &path, const QStringList &statements, bool plain = false);

// A trigger whose schema row spells its type "TRIGGER" (the engine runs it
// all the same): every log row empties the sample table.
QStringList disguisedTrigger();

} // namespace CraftDb

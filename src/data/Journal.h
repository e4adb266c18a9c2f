#pragma once

#include "data/Outcome.h"

#include <QString>

// The rollback journal a save that was stopped (the program killed, the power gone) leaves
// beside the database. SQLite applies such a journal when it next opens the file, even when
// the file has been replaced by a copy meanwhile; this looks at it first.
namespace Journal {

// Deals with a journal beside the database at `databasePath`, before the file is opened. A
// journal of this file is left to be applied, after the file and the journal as found are
// copied into the backup folder; a journal of another file is moved there, never applied.
// Fails when the file cannot be opened safely (the copies could not be made); `notice` says
// what was done, for the secretary, or stays empty.
Outcome settle(const QString& databasePath, QString* notice);

} // namespace Journal

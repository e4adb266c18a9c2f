#pragma once

#include <QString>

// The program's log for support: every database error, with its statement, appended to a file
// in the program folder, besides the usual output.
namespace SupportLog {

inline const QString kFileName = QStringLiteral("ColtsTracker.log");

// Starts writing the database log into the folder `folder`. A log that has grown past a
// megabyte starts afresh; a folder that cannot be written keeps no log.
void install(const QString& folder);

} // namespace SupportLog

#pragma once

#include "data/Outcome.h"

#include <QByteArray>
#include <QString>

// Files written whole: under a temporary name beside their place, every write, the flush to
// disk and the close checked, then renamed into place. A failure removes what was written and
// leaves an earlier file of that name as it was.
namespace WholeFile {

// Writes `bytes` to the file at `path`; a failure says why in plain words ("the disk is
// full").
Outcome write(const QString& path, const QByteArray& bytes);

// A failed system call's error number in plain words.
QString reason(int error);

// `text` as a file name: the characters no file name may hold become "-".
QString fileName(QString text);

} // namespace WholeFile

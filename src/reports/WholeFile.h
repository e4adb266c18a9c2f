#pragma once

#include <QByteArray>
#include <QString>

// Files written whole: under a temporary name beside their place, every write, the flush to
// disk and the close checked, then renamed into place. A failure removes what was written and
// leaves an earlier file of that name as it was.
namespace WholeFile {

// What a write came to: no failure when the file is in place, whole.
struct [[nodiscard]] Written {
    QString failure; // why not, in plain words ("the disk is full")
    bool ok() const { return failure.isEmpty(); }
};

// Writes `bytes` to the file at `path`.
Written write(const QString& path, const QByteArray& bytes);

// A failed system call's error number in plain words.
QString reason(int error);

} // namespace WholeFile

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Faults made real for the tests of saves: a disk that is full, a file and folder the user
// may not write, a damaged file, a process killed in the middle of its work. (A lock held
// by another program is WriteLock.)
namespace Faults {

// A small disk of its own (a tmpfs of 512 KiB) mounted for the test. Where mounting is not
// allowed, skipReason says why.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    Q_DISABLE_COPY(FullDisk)

    QString path() const { return m_dir.path(); }
    // Takes all the space that is left.
    void fill();

    QString skipReason; // empty when the disk is mounted

private:
    QTemporaryDir m_dir;
};

// Overwrites the middle of the file's pages, so that it still opens but fails its checks.
void damage(const QString& databasePath);

// The fault child program (tests/support/FaultChild.cpp), and the tool that writes the
// delivered database.
extern const QString kChildProgram;
extern const QString kMakedbProgram;

// Runs `program` with `args` as an unprivileged user (root ignores file modes): the output,
// or an empty text with `skipReason` set where that cannot be done here. `program` is
// copied into `folder` first, so that the user can run it wherever the build lies; the
// folder is opened to every user.
QString runUnprivileged(const QString& program, const QStringList& args, const QString& folder,
                        QString* skipReason);

} // namespace Faults

#include "support/Faults.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace Faults {

FullDisk::FullDisk() {
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=512k", "tmpfs", m_dir.path()});
    mount.waitForFinished();
    if (mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        skipReason = QStringLiteral("a small disk cannot be mounted here: ") +
                     QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
}

FullDisk::~FullDisk() {
    if (skipReason.isEmpty())
        QProcess::execute(QStringLiteral("umount"), {"-l", m_dir.path()});
}

void FullDisk::fill() {
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    // Blocks while they fit, then the last part of a block byte by byte.
    for (const QByteArray& piece : {QByteArray(4096, 'f'), QByteArray(1, 'f')})
        while (filler.write(piece) == piece.size() && filler.flush()) {
        }
}

void damage(const QString& databasePath) {
    QFile file(databasePath);
    if (!file.open(QIODevice::ReadWrite))
        return;
    const qint64 pageSize = 4096;
    const qint64 pages = file.size() / pageSize;
    // Every page but the first (the header and the table list), from a quarter in.
    for (qint64 page = 1; page < pages; ++page) {
        file.seek(page * pageSize + pageSize / 4);
        file.write(QByteArray(pageSize / 2, '\x5a'));
    }
}

const QString kChildProgram = QStringLiteral(COLTS_FAULT_CHILD);
const QString kMakedbProgram = QStringLiteral(COLTS_MAKEDB);

QString runUnprivileged(const QString& program, const QStringList& args, const QString& folder,
                        QString* skipReason) {
    const auto skip = [skipReason](const QString& why) {
        *skipReason = why;
        return QString();
    };
    QStringList command;
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            return skip("setpriv is not installed, so no other user can be taken");
        command = QStringList{setpriv, "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    }
    const QString copy = folder + QStringLiteral("/") + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy))
        return skip(QStringLiteral("the program could not be copied to %1").arg(folder));
    ::chmod(qPrintable(folder), 0755);
    ::chmod(qPrintable(copy), 0555);
    command << copy << args;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(command.takeFirst(), command);
    if (!child.waitForFinished(60000))
        return skip("the program did not run as another user: " + child.errorString());
    QFile::remove(copy);
    return QString::fromLocal8Bit(child.readAll());
}

} // namespace Faults

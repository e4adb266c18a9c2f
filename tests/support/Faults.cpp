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
    m_mounted = mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
    if (!m_mounted)
        m_skipReason = QStringLiteral("a small disk cannot be mounted here: ") +
                       QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
}

FullDisk::~FullDisk() {
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {"-l", m_dir.path()});
}

void FullDisk::fill() {
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    // The last part of a block may still fit.
    for (int k = 0; k < 4096 && filler.write("f", 1) == 1 && filler.flush(); ++k) {
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
    QStringList command;
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) {
            *skipReason = QStringLiteral("setpriv is not installed, so no other user can be "
                                         "taken");
            return QString();
        }
        command = QStringList{setpriv, "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    }
    const QString copy = folder + QStringLiteral("/") + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy)) {
        *skipReason = QStringLiteral("the program could not be copied to %1").arg(folder);
        return QString();
    }
    ::chmod(qPrintable(folder), 0755);
    ::chmod(qPrintable(copy), 0555);
    command << copy << args;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(command.takeFirst(), command);
    if (!child.waitForFinished(60000)) {
        *skipReason =
            QStringLiteral("the program did not run as another user: ") + child.errorString();
        return QString();
    }
    QFile::remove(copy);
    return QString::fromLocal8Bit(child.readAll());
}

} // namespace Faults

#include "data/Journal.h"

#include "data/Backups.h"
#include "data/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// SQLite's journal format: each segment starts with a header (the magic, the number of
// records, the checksum seed, the file's page count, the sector size, the page size) padded
// to the sector size; a record is a 4-byte page number, the page as it was, a 4-byte checksum.
constexpr char kMagic[] = "\xd9\xd5\x05\xf9\x20\xa1\x63\xd7";
constexpr qint64 kHeaderBytes = 28;

quint32 be32(const QByteArray& bytes, qint64 at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

bool headerAt(const QByteArray& journal, qint64 at) {
    return at + kHeaderBytes <= journal.size() &&
           std::memcmp(journal.constData() + at, kMagic, 8) == 0;
}

// Bytes 24 to 31 of the database header: the change counter and the page count. A save
// stopped after it wrote page 1 has counted itself in the file already.
bool sameFile(const QByteArray& journalPage1, const QByteArray& fileHeader) {
    if (fileHeader.size() < 32)
        return false;
    const quint32 counter = be32(fileHeader, 24), journalCounter = be32(journalPage1, 24);
    return (counter == journalCounter && be32(fileHeader, 28) == be32(journalPage1, 28)) ||
           counter == journalCounter + 1;
}

enum class Kind { NotApplied, OfThisFile, OfAnotherFile };

// What SQLite would do with `journal` beside a file beginning with `fileHeader`. A journal
// that holds no page 1 cannot be told apart and counts as the file's own.
Kind kindOf(const QByteArray& journal, const QByteArray& fileHeader) {
    if (!headerAt(journal, 0))
        return Kind::NotApplied; // empty, or its header zeroed once the save was done
    const quint32 sector = be32(journal, 20), pageSize = be32(journal, 24);
    if (sector < 32 || sector > 65536 || pageSize < 512 || pageSize > 65536)
        return Kind::OfThisFile;
    const qint64 recordBytes = 8 + qint64(pageSize);
    for (qint64 at = 0; headerAt(journal, at);) {
        qint64 records = be32(journal, at + 8);
        at += sector;
        if (records == 0xffffffff)
            records = (journal.size() - at) / recordBytes;
        for (; records > 0 && at + recordBytes <= journal.size(); --records, at += recordBytes) {
            if (be32(journal, at) == 1)
                return sameFile(journal.mid(at + 4, 32), fileHeader) ? Kind::OfThisFile
                                                                     : Kind::OfAnotherFile;
        }
        at = (at + sector - 1) / sector * sector;
    }
    return Kind::OfThisFile;
}

// True while another program holds the lock SQLite takes for a save: its journal is not left
// over but in use.
bool savingNow(const QString& databasePath) {
    const int fd = ::open(QFile::encodeName(databasePath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000001; // SQLite's reserved byte
    lock.l_len = 1;
    const bool locked = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

QByteArray read(const QString& path, qint64 bytes = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return bytes < 0 ? file.readAll() : file.read(bytes);
}

} // namespace

namespace Journal {

Outcome settle(const QString& databasePath, QString* notice) {
    const QString journal = databasePath + QStringLiteral("-journal");
    if (!QFileInfo(journal).isFile() || savingNow(databasePath))
        return {};
    const Kind kind = kindOf(read(journal), read(databasePath, 100));
    if (kind == Kind::NotApplied)
        return {};
    const QString folder = Backups::folderFor(databasePath);
    QString error;
    if (kind == Kind::OfAnotherFile) {
        const QString aside =
            Backups::asideName(databasePath, QStringLiteral("-foreign.mdb-journal"), &error);
        QFile file(journal);
        if (!aside.isEmpty() && !file.rename(aside))
            error = file.errorString();
        if (!error.isEmpty())
            return {QStringLiteral("The journal \"%1\" belongs to another copy of the database "
                                   "file and must not be applied to it, but it could not be moved "
                                   "into the folder \"%2\" (%3). Move it out of the folder, then "
                                   "start ColtsTracker again.")
                        .arg(journal, folder, error)};
        *notice = QStringLiteral("A journal left beside the database file belonged to another "
                                 "copy of the file, so it was not applied and your records are as "
                                 "the file holds them. The journal was moved to \"%1\".")
                      .arg(aside);
        return {};
    }
    const QString aside =
        Backups::asideName(databasePath, QStringLiteral("-before-rollback.mdb"), &error);
    if (error.isEmpty())
        error = DatabaseFile::copyWhole(databasePath, aside).failure;
    if (error.isEmpty())
        error = DatabaseFile::copyWhole(journal, aside + QStringLiteral("-journal")).failure;
    if (!error.isEmpty()) {
        QFile::remove(aside);
        return {QStringLiteral("A save that was interrupted must be undone before the database "
                               "file \"%1\" can be used, but the file could not first be copied "
                               "into the folder \"%2\" (%3). Make room there or make the folder "
                               "writable, then start ColtsTracker again.")
                    .arg(databasePath, folder, error)};
    }
    *notice = QStringLiteral("The last save was interrupted before it was complete, and it has "
                             "been undone. The database file and its journal as they were found "
                             "are kept as \"%1\".")
                  .arg(aside);
    return {};
}

} // namespace Journal

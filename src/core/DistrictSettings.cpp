#include "core/DistrictSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryFile>
#include <cmath>

namespace {

const QString kName = QStringLiteral("ColtsTracker");
const QString kDistrict = QStringLiteral("ProgramConst/DistrictNumber");
const QString kRings = QStringLiteral("ProgramConst/NumberofRings");

QString settingsFile() {
    return QSettings(kName, kName).fileName();
}

// The values in the settings file at `path`, and whether it reads whole. A copy is read:
// settings read before in this run are kept by file name and not parsed again.
std::pair<DistrictSettings::Stored, bool> readFile(const QString& path) {
    DistrictSettings::Stored stored;
    if (!QFileInfo(path).isFile()) // none, or a folder in its place: nothing stored yet
        return {stored, true};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {stored, false};
    const QByteArray bytes = file.readAll();
    QTemporaryFile copy;
    const bool copied = copy.open() && copy.write(bytes) == bytes.size() && copy.flush();
    QSettings settings(copied ? copy.fileName() : path, QSettings::IniFormat);
    settings.allKeys(); // parses every section, so that a line it cannot read is found
    const bool whole =
        file.error() == QFileDevice::NoError && settings.status() == QSettings::NoError;
    if (whole) {
        stored.districtNumber = settings.value(kDistrict, stored.districtNumber).toString();
        stored.numberOfRings = settings.value(kRings, stored.numberOfRings).toString();
    }
    return {stored, whole};
}

QString unstored(const QString& fileName, const QString& why, const QString& advice) {
    return QStringLiteral("The district settings could not be stored in \"%1\": %2. Nothing was "
                          "changed; %3 and save again.")
        .arg(QDir::toNativeSeparators(fileName), why, advice);
}

// Why the settings file cannot be written, as far as the file system tells, with what to do.
QString notWritten(const QString& fileName) {
    const QFileInfo file(fileName);
    if (file.isDir())
        return unstored(fileName, QStringLiteral("a folder of that name is in its place"),
                        QStringLiteral("move or rename that folder"));
    for (QFileInfo folder(file.absolutePath()); !folder.isRoot();
         folder = QFileInfo(folder.absolutePath())) {
        if (folder.exists() && !folder.isDir())
            return unstored(fileName,
                            QStringLiteral("\"%1\" is a file, not a folder")
                                .arg(QDir::toNativeSeparators(folder.filePath())),
                            QStringLiteral("move or rename that file"));
        if (folder.exists())
            break;
    }
    return unstored(fileName, QStringLiteral("the file or its folder cannot be written"),
                    QStringLiteral("make them writable"));
}

} // namespace

namespace DistrictSettings {

Stored read() {
    const QString path = settingsFile();
    auto [stored, whole] = readFile(path);
    if (!whole)
        stored.notice =
            QStringLiteral("The settings file \"%1\" cannot be read, so ColtsTracker does not use "
                           "it and asks for the district settings again. Saving them writes a new "
                           "file in its place and keeps the old one beside it, its name ending in "
                           "\".unreadable-\" and the date.")
                .arg(QDir::toNativeSeparators(path));
    return stored;
}

Outcome write(const QString& districtNumber, const QString& numberOfRings) {
    const QString path = settingsFile();
    // A file that cannot be read is set aside whole rather than merged into.
    QString keptAs;
    if (!readFile(path).second) {
        keptAs = path + QDateTime::currentDateTime().toString(
                            QStringLiteral("'.unreadable-'yyyy-MM-dd-HHmmss"));
        if (!QFile::rename(path, keptAs))
            return {unstored(path,
                             QStringLiteral("the file cannot be read, and it cannot be set aside "
                                            "to be replaced"),
                             QStringLiteral("make its folder writable"))};
    }
    {
        QSettings settings(kName, kName);
        settings.setValue(kDistrict, districtNumber);
        settings.setValue(kRings, numberOfRings);
        settings.sync();
    }
    // What counts is what the file now holds, whatever its reader's status says.
    const auto [now, whole] = readFile(path);
    if (whole && now.districtNumber == districtNumber && now.numberOfRings == numberOfRings)
        return {};
    if (!keptAs.isEmpty())
        QFile::rename(keptAs, path);
    return {notWritten(path)};
}

bool parseStoredRings(const QString& text, qint16* rings) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > kMaxRings)
        return false;
    *rings = static_cast<qint16>(value);
    return true;
}

bool parseTypedRings(const QString& text, qint16* rings) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return false;
    const double rounded = std::nearbyint(value); // default rounding: halves to even
    if (rounded < 1 || rounded > kMaxRings)
        return false;
    *rings = static_cast<qint16>(rounded);
    return true;
}

} // namespace DistrictSettings

#include "core/DistrictSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <cmath>

namespace {

QString read(const QString& key, const QString& fallback) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    settings.beginGroup(QStringLiteral("ProgramConst"));
    return settings.value(key, fallback).toString();
}

// Why the settings file cannot be written, as far as the file system tells.
QString whyNotWritten(const QString& fileName) {
    const QFileInfo file(fileName);
    if (file.isDir())
        return QStringLiteral("a folder of that name is in its place");
    for (QFileInfo folder(file.absolutePath()); !folder.isRoot();
         folder = QFileInfo(folder.absolutePath())) {
        if (folder.exists() && !folder.isDir())
            return QStringLiteral("\"%1\" is a file, not a folder").arg(folder.filePath());
        if (folder.exists())
            break;
    }
    if (file.exists() && !file.isReadable())
        return QStringLiteral("the file cannot be read");
    return QStringLiteral("the file or its folder cannot be written");
}

} // namespace

namespace DistrictSettings {

QString readDistrictNumber() {
    return read(QStringLiteral("DistrictNumber"), QStringLiteral("NA"));
}

QString readNumberOfRings() {
    return read(QStringLiteral("NumberofRings"), QStringLiteral("2"));
}

QString write(const QString& districtNumber, const QString& numberOfRings) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    settings.beginGroup(QStringLiteral("ProgramConst"));
    settings.setValue(QStringLiteral("DistrictNumber"), districtNumber);
    settings.setValue(QStringLiteral("NumberofRings"), numberOfRings);
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return QString();
    return QStringLiteral("The district settings could not be stored in \"%1\": %2. Nothing was "
                          "changed; make the file writable and save again.")
        .arg(QDir::toNativeSeparators(settings.fileName()), whyNotWritten(settings.fileName()));
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

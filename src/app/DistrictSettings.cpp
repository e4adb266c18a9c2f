#include "app/DistrictSettings.h"

#include <QLocale>
#include <QSettings>
#include <cmath>

namespace {

QString read(const QString& key, const QString& fallback) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    settings.beginGroup(QStringLiteral("ProgramConst"));
    return settings.value(key, fallback).toString();
}

void write(const QString& key, const QString& value) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    settings.beginGroup(QStringLiteral("ProgramConst"));
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
}

} // namespace

namespace DistrictSettings {

QString readDistrictNumber() {
    return read(QStringLiteral("DistrictNumber"), QStringLiteral("NA"));
}

QString readNumberOfRings() {
    return read(QStringLiteral("NumberofRings"), QStringLiteral("2"));
}

void writeDistrictNumber(const QString& value) {
    write(QStringLiteral("DistrictNumber"), value);
}

void writeNumberOfRings(const QString& value) {
    write(QStringLiteral("NumberofRings"), value);
}

bool parseStoredRings(const QString& text, qint16* rings) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 32767)
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
    if (rounded < 1 || rounded > 32767)
        return false;
    *rings = static_cast<qint16>(rounded);
    return true;
}

} // namespace DistrictSettings

#pragma once

#include <QString>
#include <QVector>

// One class as delivered in TblClass.
struct DeliveredClass {
    int ClassNumber;
    QString ClassName;
    int MaxEntries;
    QString imagepath;
};

// The eighteen classes ridden at every meet, in class-number order; class 18 is the
// two-person relay.
const QVector<DeliveredClass>& deliveredClasses();

// Heading bitmap of the relay partner column.
inline const QString kRelayPartnerImage = QStringLiteral("RelayPartner.bmp");
inline constexpr int kRelayClass = 18;

#pragma once

#include "data/ClassTable.h"

#include <QString>
#include <QVector>

// The eighteen classes ridden at every meet, in class-number order, as delivered in
// TblClass; class ClassTable::kRelayClass is the two-person relay.
const QVector<ClassTable::Class>& deliveredClasses();

// Heading bitmap of the relay partner column.
inline const QString kRelayPartnerImage = QStringLiteral("RelayPartner.bmp");

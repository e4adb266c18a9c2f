#pragma once

#include <QString>
#include <QVector>

// The classes of the district database as the meet screens use them.
namespace ClassTable {

// Classes 1 to kClassCount are ridden at every meet; the grids and sums index by class number.
inline constexpr int kClassCount = 18;
// The two-person relay: the only class whose entries carry a partner.
inline constexpr int kRelayClass = 18;

// One row of TblClass.
struct Class {
    int ClassNumber = 0;
    QString ClassName;
    int MaxEntries = 0;
    QString imagepath;
};

// The eighteen classes as stored: row k is class k + 1. Throws DbError with a message for
// the secretary when the table does not hold exactly the classes 1 to 18 in class-number
// order, which every grid, placing screen and class sheet relies on.
QVector<Class> classes();

} // namespace ClassTable

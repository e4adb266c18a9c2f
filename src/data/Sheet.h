#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// One sheet of a workbook: its name, the headings of its columns and the rows under them. A
// value held as text is a text cell, a number a number cell, NULL an empty cell.
struct Sheet {
    QString name;
    QStringList headings;
    QVector<QVariantList> rows;
};

#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cmath>
#include <map>
#include <utility>

// What both readers of workbooks share: the program's own and the one in the workbook module.
namespace SheetFile {

// The text a number cell shows: whole numbers without a decimal point.
inline QString numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

// The text a boolean cell shows.
inline QString boolText(bool value) {
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// "B12" as a row and a column from 0; -1 where it names none.
inline std::pair<int, int> cellAddress(QStringView address) {
    int column = 0, row = 0, i = 0;
    for (; i < address.size() && address.at(i) == u'$'; ++i) {
    }
    for (; i < address.size() && address.at(i).isLetter() && column < 20000; ++i)
        column = column * 26 + (address.at(i).toUpper().unicode() - 'A' + 1);
    for (; i < address.size() && address.at(i) == u'$'; ++i) {
    }
    for (; i < address.size() && address.at(i).isDigit() && row < 10000000; ++i)
        row = row * 10 + (address.at(i).unicode() - '0');
    return {row - 1, column - 1};
}

// The cells of one sheet as they arrive, in any order.
class Cells {
public:
    void set(int row, int column, const QString& text) {
        if (row < 0 || column < 0 || text.isEmpty())
            return;
        QStringList& line = m_rows[row];
        while (line.size() <= column)
            line << QString();
        line[column] = text;
    }
    QVector<QStringList> rows() const {
        QVector<QStringList> rows(m_rows.empty() ? 0 : m_rows.rbegin()->first + 1);
        for (const auto& [row, line] : m_rows)
            rows[row] = line;
        return rows;
    }

private:
    std::map<int, QStringList> m_rows;
};

} // namespace SheetFile

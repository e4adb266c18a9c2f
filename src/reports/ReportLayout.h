#pragma once

#include "core/Twips.h"

#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <limits>
#include <stdexcept>

// The report engine's first step: a report definition and its rows become pages of items
// placed in twips on a Letter page. Deterministic, so a preview may ask for the pages again at
// any time, and readable as a text trace.
namespace Report {

inline constexpr int kPageWidth = 12240;  // 8.5 inches
inline constexpr int kPageHeight = 15840; // 11 inches
inline constexpr int kMargin = 1440;
// The page in inches, for drawing it on a device of so many dots an inch.
inline constexpr double kPageWidthInches = kPageWidth / Twips::kPerInch;
inline constexpr double kPageHeightInches = kPageHeight / Twips::kPerInch;

// A report names a column its rows do not have: a mistake in the program, refused where the
// report is defined or its rows are read, never printed as an empty column.
class UnknownColumn : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// One row a report prints: a value for each of its report's columns, in their order.
class Row {
public:
    Row() = default;
    Row(const QStringList& columns, const QVector<QVariant>& values);

    const QStringList& columns() const { return m_columns; }
    const QVariant& at(int column) const { return m_values.at(column); }
    // The value of the column so named; throws UnknownColumn when there is none.
    QVariant value(const QString& column) const;

private:
    QStringList m_columns; // shared by the rows of one report
    QVector<QVariant> m_values;
};

struct Font {
    double points = 8.25;
    bool bold = false;
    QString family = QStringLiteral("Arial");
};

struct Item {
    enum class Kind { Label, Field, Line, Sum, PageNumber, PageCount };
    Kind kind = Kind::Label;
    QString text;    // a label's caption
    int column = -1; // a field's or sum's column: its place among the definition's columns
    int left = 0, top = 0, width = 0, height = 0; // in the section; a line's width is its length
    Font font;
    bool centred = false;
    QString name; // a label whose caption is set when the report is opened
};

struct Section {
    int height = 0;
    QVector<Item> items;
};

struct Definition {
    QString name;
    int width = 0; // of the report's body, in twips
    // The columns of the rows the report prints. The one place that names them: fields, sums
    // and the group refer to a column by its place here, found by column() once.
    QStringList columns;
    Section reportHeader, pageHeader, groupHeader, detail, groupFooter, pageFooter, reportFooter;
    int groupBy = -1; // rows with the same value of this column form a group; -1: none
    // A group whose value of this column differs from the group before starts on a new page
    // (a ring of a meet on a page of its own); -1: none.
    int newPageBy = -1;

    // The place of the column so named; throws UnknownColumn, naming the report, when it has none.
    int column(const QString& name) const;
};

// One item as placed on a page: rectangle in twips from the page's top left corner.
struct Placed {
    QString section;
    QRect rect;
    QString text; // empty for a line and a page count
    Font font;
    bool line = false;
    bool centred = false;
    bool pageCount = false; // shows the number of pages, which only the whole report knows
};

using Page = QVector<Placed>;

// What a placed item shows in a report of `pages` pages; a page count shows nothing while the
// number of pages is not known yet (`pages` 0).
QString shownText(const Placed& placed, int pages);

// Lays a report out a few pages at a time, so that a window shows the first page of a long
// report at once and lays out the rest while it is shown. The pages are those layout() makes.
class Pager {
public:
    // `captions` sets the labels named in the definition. The rows are of the definition's
    // columns; throws UnknownColumn when one is not.
    Pager(const Definition& definition, const QVector<Row>& rows,
          const QHash<QString, QString>& captions = {});

    // Lays out pages until `count` of them are complete or the report is.
    void layoutUntil(int count);
    void finish() { layoutUntil(std::numeric_limits<int>::max()); }
    bool finished() const { return m_finished; }
    // The pages complete so far; every page of the report once finished.
    const QVector<Page>& pages() const { return m_pages; }

private:
    void step();
    int bodyBottom() const;
    void newPage();
    void finishPage();
    void keepTogether(int height);
    void place(const QString& name, const Section& s, const Row* row, const QVector<Row>& group);
    void put(const QString& name, const Section& s, const Row* row, const QVector<Row>& group);

    Definition m_def;
    QVector<Row> m_rows;
    QHash<QString, QString> m_captions;
    QVector<Page> m_pages; // complete
    Page m_page;           // the page being laid out
    int m_next = 0;        // the first row not yet laid out
    bool m_started = false;
    bool m_finished = false;
    int m_y = 0;
    int m_pageTop = 0; // where the body of the current page begins
};

// Lays the report out; `captions` sets the labels named in the definition. The rows are of the
// definition's columns; throws UnknownColumn when one is not.
QVector<Page> layout(const Definition& definition, const QVector<Row>& rows,
                     const QHash<QString, QString>& captions = {});

// One line per placed item: "page section left,top widthxheight font "text"".
QString trace(const QVector<Page>& pages);

} // namespace Report

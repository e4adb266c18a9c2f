#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVector>

// The report engine's first step: a report definition and its rows become pages of items
// placed in twips on a Letter page. Deterministic, so a preview may ask for the pages again at
// any time, and readable as a text trace.
namespace Report {

inline constexpr int kPageWidth = 12240;  // 8.5 inches
inline constexpr int kPageHeight = 15840; // 11 inches
inline constexpr int kMargin = 1440;

struct Font {
    double points = 8.25;
    bool bold = false;
    QString family = QStringLiteral("Arial");
};

struct Item {
    enum class Kind { Label, Field, Line, Sum, PageNumber, PageCount };
    Kind kind = Kind::Label;
    QString text; // a label's caption; a field's or sum's field name
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
    Section reportHeader, pageHeader, groupHeader, detail, groupFooter, pageFooter, reportFooter;
    QString groupBy; // rows with the same value of this field form a group; empty: none
};

using Row = QHash<QString, QVariant>;

// One item as placed on a page: rectangle in twips from the page's top left corner.
struct Placed {
    QString section;
    QRect rect;
    QString text; // empty for a line
    Font font;
    bool line = false;
    bool centred = false;
};

using Page = QVector<Placed>;

// Lays the report out; `captions` sets the labels named in the definition.
QVector<Page> layout(const Definition& definition, const QVector<Row>& rows,
                     const QHash<QString, QString>& captions = {});

// One line per placed item: "page section left,top widthxheight font "text"".
QString trace(const QVector<Page>& pages);

} // namespace Report

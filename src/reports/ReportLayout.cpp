#include "reports/ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <utility>

namespace Report {

namespace {

std::string listed(const QStringList& columns) {
    return columns.join(QStringLiteral(", ")).toStdString();
}

constexpr int kBodyTop = kMargin;
constexpr int kBodyBottom = kPageHeight - kMargin;
constexpr int kRight = kPageWidth - kMargin;
// The least space kept between a text that runs on past its box and the next item on its line.
constexpr int kTextGap = 90;

// The font measured in twips whatever the screen: one pixel of it stands for one twip (a
// point is 20 twips).
QFont twipsFont(const Font& f) {
    QFont font(f.family);
    font.setPixelSize(qRound(f.points * 20));
    font.setBold(f.bold);
    return font;
}

double textWidth(const QString& text, const Font& f) {
    return QFontMetricsF(twipsFont(f)).horizontalAdvance(text);
}

QString fieldText(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

// A text wider than its box runs on to the right while the line is free there, and is
// shortened with an ellipsis only where it would run into the next item (or come closer to
// it than a small gap).
void fitTexts(Page& page, int first) {
    for (int k = first; k < page.size(); ++k) {
        Placed& p = page[k];
        if (p.line || p.text.isEmpty())
            continue;
        const double needed = textWidth(p.text, p.font);
        if (needed <= p.rect.width())
            continue;
        int limit = kRight;
        for (int o = first; o < page.size(); ++o) {
            const Placed& other = page.at(o);
            const bool sameLine = !other.line && other.rect.top() < p.rect.bottom() &&
                                  p.rect.top() < other.rect.bottom();
            if (o != k && sameLine && other.rect.left() > p.rect.left())
                limit = std::min(limit, other.rect.left() - kTextGap);
        }
        const int room = std::max(p.rect.width(), limit - p.rect.left());
        p.rect.setWidth(std::min(room, int(std::ceil(needed))));
        if (needed > room) {
            p.text = QFontMetricsF(twipsFont(p.font)).elidedText(p.text, Qt::ElideRight, room);
        }
    }
}

} // namespace

Row::Row(const QStringList& columns, const QVector<QVariant>& values)
    : m_columns(columns), m_values(values) {
    if (values.size() != columns.size())
        throw std::invalid_argument("a report row needs a value for each of its columns");
}

QVariant Row::value(const QString& column) const {
    const qsizetype k = m_columns.indexOf(column);
    if (k < 0)
        throw UnknownColumn("a report row has no column \"" + column.toStdString() +
                            "\" (its columns: " + listed(m_columns) + ")");
    return m_values.at(k);
}

int Definition::column(const QString& column) const {
    const qsizetype k = columns.indexOf(column);
    if (k < 0)
        throw UnknownColumn(name.toStdString() + " names the column \"" + column.toStdString() +
                            "\", which is not among its columns (" + listed(columns) + ")");
    return int(k);
}

QString shownText(const Placed& placed, int pages) {
    if (!placed.pageCount)
        return placed.text;
    return pages > 0 ? QString::number(pages) : QString();
}

Pager::Pager(const Definition& definition, const QVector<Row>& rows,
             const QHash<QString, QString>& captions)
    : m_def(definition), m_rows(rows), m_captions(captions) {
    for (const Row& row : rows)
        if (row.columns() != definition.columns) // the same list, shared: compared at once
            throw UnknownColumn(definition.name.toStdString() + " prints rows of the columns (" +
                                listed(definition.columns) + "), not (" + listed(row.columns()) +
                                ")");
}

void Pager::layoutUntil(int count) {
    while (!m_finished && m_pages.size() < count)
        step();
}

// One step: the headers of the first page, one row (or one group) or the end of the report.
void Pager::step() {
    if (!m_started) {
        // The first page opens with the report header, then the page header.
        m_started = true;
        m_y = kBodyTop;
        put(QStringLiteral("ReportHeader"), m_def.reportHeader, nullptr, {});
        put(QStringLiteral("PageHeader"), m_def.pageHeader, nullptr, {});
        m_pageTop = m_y;
        return;
    }
    if (m_next < m_rows.size()) {
        if (m_def.groupBy < 0) {
            place(QStringLiteral("Detail"), m_def.detail, &m_rows.at(m_next), {});
            ++m_next;
            return;
        }
        const int by = m_def.groupBy;
        const int start = m_next;
        int end = start;
        while (end < m_rows.size() && m_rows.at(end).at(by) == m_rows.at(start).at(by))
            ++end;
        const QVector<Row> group = m_rows.mid(start, end - start);
        const int page = m_def.newPageBy;
        if (page >= 0 && start > 0 && m_rows.at(start).at(page) != m_rows.at(start - 1).at(page)) {
            finishPage();
            newPage();
        }
        keepTogether(m_def.groupHeader.height + int(group.size()) * m_def.detail.height +
                     m_def.groupFooter.height);
        place(QStringLiteral("GroupHeader"), m_def.groupHeader, &group.first(), group);
        for (const Row& row : group)
            place(QStringLiteral("Detail"), m_def.detail, &row, group);
        place(QStringLiteral("GroupFooter"), m_def.groupFooter, &group.first(), group);
        m_next = end;
        return;
    }
    place(QStringLiteral("ReportFooter"), m_def.reportFooter, nullptr, {});
    finishPage();
    m_finished = true;
}

int Pager::bodyBottom() const {
    return kBodyBottom - m_def.pageFooter.height;
}

void Pager::newPage() {
    m_y = kBodyTop;
    put(QStringLiteral("PageHeader"), m_def.pageHeader, nullptr, {});
    m_pageTop = m_y;
}

void Pager::finishPage() {
    m_y = bodyBottom();
    put(QStringLiteral("PageFooter"), m_def.pageFooter, nullptr, {});
    m_pages.push_back(std::move(m_page));
    m_page = Page();
}

// A group starts on a new page when it does not fit on this one but fits on a page of its
// own, so that its header and its footer (a team and its total) are read together.
void Pager::keepTogether(int height) {
    const int freshTop = kBodyTop + m_def.pageHeader.height;
    if (m_y + height > bodyBottom() && m_y > m_pageTop && freshTop + height <= bodyBottom()) {
        finishPage();
        newPage();
    }
}

// A section in the body: never split; on a new page when it does not fit.
void Pager::place(const QString& name, const Section& s, const Row* row,
                  const QVector<Row>& group) {
    if (s.height == 0)
        return;
    // A section taller than a page stays where it is.
    if (m_y + s.height > bodyBottom() && m_y > m_pageTop) {
        finishPage();
        newPage();
    }
    put(name, s, row, group);
}

// A section of `row` (none for the report's and the page's header and footer, whose
// fields print nothing) and of the rows of its `group`.
void Pager::put(const QString& name, const Section& s, const Row* row, const QVector<Row>& group) {
    if (s.height == 0)
        return;
    const int sectionTop = m_y;
    Page& page = m_page;
    const int first = int(page.size());
    for (const Item& item : s.items) {
        Placed p;
        p.section = name;
        p.font = item.font;
        p.centred = item.centred;
        p.rect = QRect(kMargin + item.left, sectionTop + item.top, item.width, item.height);
        switch (item.kind) {
        case Item::Kind::Line:
            p.line = true;
            p.rect.setHeight(0);
            break;
        case Item::Kind::Label:
            p.text = item.name.isEmpty() ? item.text : m_captions.value(item.name, item.text);
            break;
        case Item::Kind::Field:
            p.text = row ? fieldText(row->at(item.column)) : QString();
            break;
        case Item::Kind::Sum: {
            double sum = 0;
            for (const Row& r : group)
                sum += r.at(item.column).toDouble();
            p.text = QString::number(sum, 'g', 15);
            break;
        }
        case Item::Kind::PageNumber:
            p.text = QString::number(m_pages.size() + 1);
            break;
        case Item::Kind::PageCount:
            p.pageCount = true;
            break;
        }
        page.push_back(p);
    }
    fitTexts(page, first);
    m_y = sectionTop + s.height;
}

QVector<Page> layout(const Definition& definition, const QVector<Row>& rows,
                     const QHash<QString, QString>& captions) {
    Pager pager(definition, rows, captions);
    pager.finish();
    return pager.pages();
}

QString trace(const QVector<Page>& pages) {
    QStringList lines;
    for (int n = 0; n < pages.size(); ++n) {
        for (const Placed& p : pages.at(n)) {
            const QRect& r = p.rect;
            lines << QStringLiteral("%1 %2 %3,%4 %5x%6 %7%8 %9")
                         .arg(n + 1)
                         .arg(p.section)
                         .arg(r.left())
                         .arg(r.top())
                         .arg(r.width())
                         .arg(r.height())
                         .arg(p.font.points)
                         .arg(p.font.bold ? QStringLiteral("b") : QString())
                         .arg(p.line ? QStringLiteral("line")
                                     : QLatin1Char('"') + shownText(p, int(pages.size())) + '"');
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace Report

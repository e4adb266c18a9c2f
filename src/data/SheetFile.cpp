#include "data/SheetFile.h"

#include "core/CsvText.h"
#include "data/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QtGui/private/qzipreader_p.h>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

namespace {

namespace ss = orcus::spreadsheet;

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

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// "B12" as a row and a column from 0; -1 where it names none.
std::pair<int, int> cellAddress(QStringView address) {
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

// What the library hands over while it reads a workbook: the shared strings, the cells of
// each sheet and the stored results of formulas. Styles and the rest are left unread.
class Strings : public ss::iface::import_shared_strings {
public:
    QStringList list;
    size_t append(std::string_view s) override {
        list << text(s);
        return size_t(list.size() - 1);
    }
    size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { m_segments += text(s); }
    size_t commit_segments() override {
        list << m_segments;
        m_segments.clear();
        return size_t(list.size() - 1);
    }

private:
    QString m_segments;
};

class Formula : public ss::iface::import_formula {
public:
    explicit Formula(Cells& cells) : m_cells(cells) {}
    void set_position(ss::row_t row, ss::col_t col) override { m_at = {row, col}; }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view value) override { m_result = text(value); }
    void set_result_value(double value) override { m_result = SheetFile::numberText(value); }
    void set_result_bool(bool value) override { m_result = value ? "TRUE" : "FALSE"; }
    void set_result_empty() override { m_result.clear(); }
    void commit() override {
        m_cells.set(m_at.first, m_at.second, m_result);
        m_result.clear();
    }

private:
    Cells& m_cells;
    std::pair<int, int> m_at{-1, -1};
    QString m_result;
};

class SheetCells : public ss::iface::import_sheet {
public:
    SheetCells(const QString& sheetName, const Strings& strings)
        : name(sheetName), m_strings(strings), m_formula(cells) {}
    QString name;
    Cells cells;

    ss::iface::import_formula* get_formula() override { return &m_formula; }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        cells.set(row, col, text(s));
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override {
        cells.set(row, col, m_strings.list.value(qsizetype(id)));
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        cells.set(row, col, SheetFile::numberText(value));
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        cells.set(row, col, value ? "TRUE" : "FALSE");
    }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int, int,
                       double) override {
        cells.set(row, col,
                  QString::asprintf("%04d-%02d-%02d", year, month, day)); // the date alone
    }
    void set_format(ss::row_t, ss::col_t, size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override {}
    ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

private:
    const Strings& m_strings;
    Formula m_formula;
};

class References : public ss::iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view address) override {
        const auto [row, column] = cellAddress(text(address));
        return {0, row, column};
    }
    ss::src_range_t resolve_range(std::string_view range) override {
        const std::string_view::size_type colon = range.find(':');
        if (colon == std::string_view::npos)
            return {resolve_address(range), resolve_address(range)};
        return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
    }
};

class Workbook : public ss::iface::import_factory {
public:
    std::vector<std::unique_ptr<SheetCells>> sheets;

    ss::iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    ss::iface::import_reference_resolver*
    get_reference_resolver(ss::formula_ref_context_t) override {
        return &m_references;
    }
    ss::iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        sheets.push_back(std::make_unique<SheetCells>(text(name), m_strings));
        return sheets.back().get();
    }
    ss::iface::import_sheet* get_sheet(std::string_view name) override {
        for (const auto& sheet : sheets)
            if (sheet->name == text(name))
                return sheet.get();
        return nullptr;
    }
    ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && size_t(index) < sheets.size() ? sheets.at(size_t(index)).get()
                                                           : nullptr;
    }
    void finalize() override {}

private:
    Strings m_strings;
    References m_references;
};

SheetFile::Read readWithLibrary(const QString& path, bool openDocument) {
    Workbook book;
    try {
        const std::string name = QFile::encodeName(path).toStdString();
        if (openDocument)
            orcus::orcus_ods(&book).read_file(name);
        else
            orcus::orcus_xlsx(&book).read_file(name);
    } catch (const std::exception& e) {
        return {{},
                QStringLiteral("it is damaged or not a spreadsheet (%1)")
                    .arg(QString::fromLocal8Bit(e.what()))};
    }
    SheetFile::Read read;
    for (const auto& sheet : book.sheets)
        read.sheets.push_back({sheet->name, sheet->cells.rows()});
    return read;
}

// The parts of an .xlsx package, by their paths inside it.
class Package {
public:
    explicit Package(const QString& path) : m_zip(path) {}
    bool readable() const {
        return m_zip.isReadable() && m_zip.count() > 0 && m_zip.status() == QZipReader::NoError;
    }
    QByteArray part(const QString& name) const { return m_zip.fileData(name); }

    struct Relationship {
        QString type,
            target;   // the target as written: from the package's root where it starts with '/'
        QString part; // the path of the target inside the package
    };
    // The relationships of `part` (of the package itself where empty), by their ids.
    QHash<QString, Relationship> relationships(const QString& of) const {
        const qsizetype slash = of.lastIndexOf(u'/');
        const QString folder = of.left(slash + 1);
        QXmlStreamReader xml(part(folder + "_rels/" + of.mid(slash + 1) + ".rels"));
        QHash<QString, Relationship> found;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != u"Relationship")
                continue;
            Relationship r{xml.attributes().value("Type").toString(),
                           xml.attributes().value("Target").toString(),
                           {}};
            r.part = r.target.startsWith(u'/') ? r.target.mid(1) : folder + r.target;
            found.insert(xml.attributes().value("Id").toString(), r);
        }
        return found;
    }
    static QString partOfType(const QHash<QString, Relationship>& relationships, QStringView type) {
        for (const Relationship& r : relationships)
            if (r.type.endsWith(type))
                return r.part;
        return {};
    }

private:
    QZipReader m_zip;
};

// The texts of the shared strings part: the runs of each string put together.
QStringList sharedStrings(const QByteArray& part) {
    QStringList strings;
    QXmlStreamReader xml(part);
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << QString();
        else if (xml.isStartElement() && xml.name() == u"rPh")
            ++phonetic;
        else if (xml.isEndElement() && xml.name() == u"rPh")
            --phonetic;
        else if (xml.isStartElement() && xml.name() == u"t" && !phonetic && !strings.isEmpty())
            strings.last() += xml.readElementText();
    }
    return strings;
}

// The cells of one worksheet part: shared, inline and formula strings, numbers and booleans.
QVector<QStringList> worksheetRows(const QByteArray& part, const QStringList& strings) {
    Cells cells;
    QXmlStreamReader xml(part);
    int row = -1, column = -1;
    QString type, value;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"row") {
            const QStringView r = xml.attributes().value("r");
            row = r.isEmpty() ? row + 1 : r.toInt() - 1;
            column = -1;
        } else if (xml.isStartElement() && xml.name() == u"c") {
            const QStringView r = xml.attributes().value("r");
            column = r.isEmpty() ? column + 1 : cellAddress(r).second;
            type = xml.attributes().value("t").toString();
            value.clear();
            inCell = true;
        } else if (inCell && xml.isStartElement() && (xml.name() == u"v" || xml.name() == u"t")) {
            value += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (inCell && xml.isEndElement() && xml.name() == u"c") {
            inCell = false;
            if (type == u"s")
                value = strings.value(value.toInt());
            else if (type == u"b")
                value = value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            else if (type.isEmpty() || type == u"n") {
                bool number = false;
                const double d = value.toDouble(&number);
                if (number)
                    value = SheetFile::numberText(d);
            }
            cells.set(row, column, value);
        }
    }
    return cells.rows();
}

// The workbook's sheets read from its parts here, where the library cannot be trusted with
// them: it reads nothing of a sheet named by an absolute path and leaves inline strings empty,
// and both are what common writers of rosters produce. Empty where the library reads it well,
// unless `always`.
std::optional<SheetFile::Read> readPackage(const Package& package, bool always) {
    const QString workbook =
        Package::partOfType(package.relationships(QString()), u"/officeDocument");
    const QHash<QString, Package::Relationship> targets = package.relationships(workbook);
    struct Found {
        QString name;
        QByteArray part;
    };
    QVector<Found> found;
    bool ownReading = false;
    QXmlStreamReader xml(package.part(workbook));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        QString id; // r:id, in whichever namespace the relationships have
        for (const QXmlStreamAttribute& a : xml.attributes())
            if (a.name() == u"id" && !a.namespaceUri().isEmpty())
                id = a.value().toString();
        const Package::Relationship target = targets.value(id);
        found.push_back({xml.attributes().value("name").toString(), package.part(target.part)});
        ownReading = ownReading || target.target.startsWith(u'/') ||
                     found.last().part.contains("\"inlineStr\"");
    }
    if (xml.hasError() || found.isEmpty())
        return SheetFile::Read{{}, QStringLiteral("it holds no worksheet")};
    if (!ownReading && !always)
        return std::nullopt;
    const QStringList strings =
        sharedStrings(package.part(Package::partOfType(targets, u"/sharedStrings")));
    SheetFile::Read read;
    for (const Found& sheet : found)
        read.sheets.push_back({sheet.name, worksheetRows(sheet.part, strings)});
    return read;
}

} // namespace

namespace SheetFile {

QString numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

Read read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    const QByteArray start = file.peek(4);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!start.startsWith("PK\x03\x04")) {
        if (suffix == u"xls")
            return {{},
                    QStringLiteral("it is a workbook of an older Excel (.xls); save it as an "
                                   "Excel workbook (.xlsx) or as CSV, and import that")};
        if (suffix == u"xlsx" || suffix == u"ods")
            return {{}, QStringLiteral("it is not a spreadsheet of its kind")};
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return {{}, file.errorString()};
        if (bytes.contains('\0'))
            return {{}, QStringLiteral("it is not a text file of rows")};
        return {{{QFileInfo(path).completeBaseName(), CsvText::parse(CsvText::decode(bytes))}}, {}};
    }
    file.close();
    Package package(path);
    if (!package.readable())
        return {{}, QStringLiteral("it is damaged or not a spreadsheet")};
    if (!package.part(QStringLiteral("content.xml")).isEmpty())
        return readWithLibrary(path, true);
    if (std::optional<Read> own = readPackage(package, false))
        return *own;
    const Read read = readWithLibrary(path, false);
    if (read.failure.isEmpty())
        return read;
    // What the library refuses may still be read here; if not, the library's reason holds.
    const std::optional<Read> own = readPackage(package, true);
    return own && own->failure.isEmpty() ? *own : read;
}

} // namespace SheetFile

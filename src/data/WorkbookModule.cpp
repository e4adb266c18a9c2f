// The workbook module: the program's use of liborcus and libxlsxwriter, loaded only when a
// workbook is read or written.
#include "data/WorkbookModule.h"

#include "data/SheetCells.h"

#include <QFile>
#include <cerrno>
#include <memory>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <vector>
#include <xlsxwriter.h>

namespace {

namespace ss = orcus::spreadsheet;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
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
    explicit Formula(SheetFile::Cells& cells) : m_cells(cells) {}
    void set_position(ss::row_t row, ss::col_t col) override { m_at = {row, col}; }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view value) override { m_result = text(value); }
    void set_result_value(double value) override { m_result = SheetFile::numberText(value); }
    void set_result_bool(bool value) override { m_result = SheetFile::boolText(value); }
    void set_result_empty() override { m_result.clear(); }
    void commit() override {
        m_cells.set(m_at.first, m_at.second, m_result);
        m_result.clear();
    }

private:
    SheetFile::Cells& m_cells;
    std::pair<int, int> m_at{-1, -1};
    QString m_result;
};

class SheetCells : public ss::iface::import_sheet {
public:
    SheetCells(const QString& sheetName, const Strings& strings)
        : name(sheetName), m_strings(strings), m_formula(cells) {}
    QString name;
    SheetFile::Cells cells;

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
        cells.set(row, col, SheetFile::boolText(value));
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
        const auto [row, column] = SheetFile::cellAddress(text(address));
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

QString read(const QString& path, bool openDocument, QVector<SheetFile::Sheet>* sheets) {
    Workbook book;
    try {
        const std::string name = QFile::encodeName(path).toStdString();
        if (openDocument)
            orcus::orcus_ods(&book).read_file(name);
        else
            orcus::orcus_xlsx(&book).read_file(name);
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    for (const auto& sheet : book.sheets)
        sheets->push_back({sheet->name, sheet->cells.rows()});
    return QString();
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString write(const QString& path, const QVector<Sheet>& sheets, int* systemError) {
    *systemError = 0;
    const auto failed = [systemError](lxw_error error) {
        *systemError = errno;
        return QString::fromUtf8(lxw_strerror(error));
    };
    errno = 0;
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return failed(LXW_ERROR_CREATING_XLSX_FILE);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_error error = LXW_NO_ERROR;
    const auto keep = [&error](lxw_error e) {
        if (error == LXW_NO_ERROR)
            error = e;
    };
    for (const Sheet& sheet : sheets) {
        const QByteArray name = sheet.name.toUtf8();
        // A name the library refuses (too long, a character it forbids, used twice) says so.
        keep(workbook_validate_sheet_name(book, name.constData()));
        lxw_worksheet* cells = workbook_add_worksheet(book, name.constData());
        if (!cells) {
            keep(LXW_ERROR_MEMORY_MALLOC_FAILED);
            break;
        }
        for (int c = 0; c < sheet.headings.size(); ++c)
            keep(worksheet_write_string(cells, 0, lxw_col_t(c),
                                        sheet.headings.at(c).toUtf8().constData(), bold));
        for (int r = 0; r < sheet.rows.size(); ++r) {
            const QVariantList& row = sheet.rows.at(r);
            for (int c = 0; c < row.size(); ++c) {
                const QVariant& value = row.at(c);
                if (value.isNull())
                    continue;
                if (isNumber(value))
                    keep(worksheet_write_number(cells, lxw_row_t(r + 1), lxw_col_t(c),
                                                value.toDouble(), nullptr));
                else
                    keep(worksheet_write_string(cells, lxw_row_t(r + 1), lxw_col_t(c),
                                                value.toString().toUtf8().constData(), nullptr));
            }
        }
    }
    errno = 0;
    keep(workbook_close(book));
    return error == LXW_NO_ERROR ? QString() : failed(error);
}

const WorkbookModule::Functions kFunctions{WorkbookModule::kInterface, read, write};

} // namespace

extern "C" Q_DECL_EXPORT const WorkbookModule::Functions* coltstracker_workbook_functions() {
    return &kFunctions;
}

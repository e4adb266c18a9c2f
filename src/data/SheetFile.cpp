#include "data/SheetFile.h"

#include "core/CsvText.h"
#include "data/SheetCells.h"
#include "data/WholeFile.h"
#include "data/WorkbookModule.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QtGui/private/qzipreader_p.h>
#include <algorithm>
#include <optional>

namespace {

using SheetFile::cellAddress;
using SheetFile::Cells;

SheetFile::Read readWithLibrary(const QString& path, bool openDocument) {
    QString failure;
    const WorkbookModule::Functions* module = WorkbookModule::load(&failure);
    if (!module)
        return {{}, failure};
    SheetFile::Read read;
    failure = module->read(path, openDocument, &read.sheets);
    if (!failure.isEmpty())
        return {{}, QStringLiteral("it is damaged or not a spreadsheet (%1)").arg(failure)};
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
    bool has(const QString& name) const {
        const QList<QZipReader::FileInfo> entries = m_zip.fileInfoList();
        return std::any_of(
            entries.begin(), entries.end(),
            [&name](const QZipReader::FileInfo& entry) { return entry.filePath == name; });
    }

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
                value = SheetFile::boolText(value == u"1");
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
    if (package.has(QStringLiteral("content.xml")))
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

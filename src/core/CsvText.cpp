#include "core/CsvText.h"

#include <QStringDecoder>

namespace {

// Windows-1252 where it differs from Latin-1: the characters of bytes 0x80 to 0x9F (0 where the
// byte is unused, kept as its Latin-1 control character).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar separatorOf(const QString& text) {
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? u';' : u',';
}

} // namespace

namespace CsvText {

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QString latin;
    latin.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t high = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : 0;
        latin.append(QChar(high ? high : char16_t(byte)));
    }
    return latin;
}

QVector<QStringList> parse(const QString& text) {
    const QChar separator = separatorOf(text);
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;   // inside a quoted field
    bool lineOpen = false; // the line has a character
    const auto endField = [&] {
        row << field;
        field.clear();
    };
    const auto endLine = [&] {
        if (lineOpen) {
            endField();
            rows << row;
        }
        row.clear();
        lineOpen = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                field += text.at(++i);
            else
                quoted = false;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endLine();
            continue;
        }
        lineOpen = true;
        if (c == separator)
            endField();
        else if (c == u'"' && field.trimmed().isEmpty()) {
            quoted = true;
            field.clear();
        } else
            field += c;
    }
    endLine();
    return rows;
}

QByteArray encode(const QVector<QStringList>& rows) {
    const auto field = [](const QString& text) {
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
            !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
            text.trimmed() == text)
            return text;
        QString quoted = text;
        quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    };
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& text : row)
            fields << field(text);
        bytes += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace CsvText

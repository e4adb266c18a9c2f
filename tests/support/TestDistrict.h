#pragma once

// What every test program shares, the ones of the core alone too: a program folder of its own
// for each test case with a fresh delivered database and settings, and the helpers that read
// what is stored.
#include "core/AppState.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "reports/ReportLayout.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// One test case's district: its own folder with a fresh delivered database, its own settings
// and a screen of 16000 x 12000 twips. Closes the database when it goes.
class TestDistrict {
public:
    // `under`: the folder to make the program folder in (a small disk, say); the system's
    // temporary folder when empty.
    explicit TestDistrict(bool openDatabase = true, const QString& under = QString());
    explicit TestDistrict(void (*setUp)()) : TestDistrict() { setUp(); }
    virtual ~TestDistrict() { closeDatabase(); }
    TestDistrict(const TestDistrict&) = delete;
    TestDistrict& operator=(const TestDistrict&) = delete;

    QString folder() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(DatabaseFile::kFileName); }
    void openDatabase(int lockWaitMs = 5000);
    void closeDatabase();

    // Stores the district settings: number `district`, `rings` rings; "-" stores nothing.
    static void setDistrict(const QString& district, const QString& rings);
    // The stored settings, as "district/rings".
    static QString storedDistrict();

private:
    QTemporaryDir m_dir;
};

// The statements that make the open database one of the version before the relay indexes.
inline const QStringList kOlderVersion{"DROP INDEX IdxPairingWeekRider",
                                       "DROP INDEX IdxPairingWeekPartner",
                                       "PRAGMA user_version = 1"};

// Once per test program: test-mode paths, so that no test touches the user's settings.
void initTestPaths();

// The numbers joined by spaces, to compare several at once.
template <typename... N> QString numbers(N... values) {
    return QStringList{QString::number(values)...}.join(' ');
}
// A scroll bar's maximum, or "-" when the bar is hidden.
template <typename Bar> QString barMaximum(const Bar& bar) {
    return bar.shown ? QString::number(bar.maximum) : QStringLiteral("-");
}

// A set of grid lines: how many, where the first starts and where the last ends.
template <typename Lines> QString lineSet(const Lines& lines) {
    return lines.isEmpty() ? QStringLiteral("0")
                           : numbers(lines.size(), lines.first().x1, lines.first().y1,
                                     lines.last().x2, lines.last().y2);
}
// A place of a scrolled view as "left top", or "-" when out of view.
template <typename Place> QString placeOf(const Place& place) {
    return place ? numbers(place->x(), place->y()) : QStringLiteral("-");
}

// The texts the report sections matching `sections` (a pattern) print on page `page`, or on
// every page when 0, joined by spaces.
QString printed(const QVector<Report::Page>& pages, const QString& sections, int page = 0);

// What `section` placed on page `page`, a line each: "left,top widthxheight points "text"".
QStringList traced(const QVector<Report::Page>& pages, int page, const QString& section);

// The columns of the first row of `sql` joined with "|", or "<none>" when there is no row.
QString stored(const QString& sql, const QVariantList& values = {});
// The first column of the first row of `sql` as a number; 0 when there is no row.
inline int count(const QString& sql, const QVariantList& values = {}) {
    return stored(sql, values).toInt();
}
// A file's bytes; none when it cannot be read.
QByteArray fileBytes(const QString& path);
// What a command prints.
QString output(const QString& command, const QStringList& arguments);

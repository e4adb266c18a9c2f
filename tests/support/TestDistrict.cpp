#include "support/TestDistrict.h"

#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

void initTestPaths() {
    QStandardPaths::setTestModeEnabled(true);
}

TestDistrict::TestDistrict(bool open, const QString& under)
    : m_dir((under.isEmpty() ? QDir::tempPath() : under) + QStringLiteral("/program-XXXXXX")) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    const QString error = DatabaseFile::createDelivered(databasePath()).failure;
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
    AppState::AppPath = folder();
    AppState::DBPath = databasePath();
    AppState::DistrictNum = QStringLiteral("7");
    AppState::NumRings = 2;
    AppState::ScreenWidth = 16000;
    AppState::ScreenHeight = 12000;
    if (open)
        openDatabase();
}

void TestDistrict::openDatabase(int lockWaitMs) {
    const QString error =
        DatabaseFile::open(databasePath(), Sql::kConnectionName, lockWaitMs).failure;
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
}

void TestDistrict::closeDatabase() {
    DatabaseFile::close(Sql::kConnectionName);
}

void TestDistrict::setDistrict(const QString& district, const QString& rings) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    if (district != "-")
        settings.setValue("ProgramConst/DistrictNumber", district);
    if (rings != "-")
        settings.setValue("ProgramConst/NumberofRings", rings);
}

QString TestDistrict::storedDistrict() {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    return settings.value("ProgramConst/DistrictNumber").toString() + '/' +
           settings.value("ProgramConst/NumberofRings").toString();
}

QString printed(const QVector<Report::Page>& pages, const QString& sections, int page) {
    const QRegularExpression placed(
        QString("^%1 (?:%2) [^\"]*\"(.*)\"$").arg(page ? QString::number(page) : "\\d+", sections));
    QStringList out;
    for (const QString& line : Report::trace(pages).split('\n'))
        if (const auto match = placed.match(line); match.hasMatch())
            out << match.captured(placed.captureCount());
    return out.join(' ');
}

QStringList traced(const QVector<Report::Page>& pages, int page, const QString& section) {
    const QRegularExpression start(QString("^%1 %2 ").arg(page).arg(section));
    return Report::trace(pages).split('\n').filter(start).replaceInStrings(start, "");
}

QString stored(const QString& sql, const QVariantList& values) {
    QSqlQuery q = Sql::run(sql, values);
    if (!q.next())
        return QStringLiteral("<none>");
    QStringList columns;
    for (int k = 0; k < q.record().count(); ++k)
        columns << q.value(k).toString();
    return columns.join('|');
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString output(const QString& command, const QStringList& arguments) {
    QProcess run;
    run.start(command, arguments);
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

#include "support/TestProgram.h"

#include "forms/FormBase.h"
#include "app/FrmMain.h"
#include "forms/WindowConventions.h"
#include "support/WriteLock.h"

#include <QAbstractItemView>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <optional>

void initTestApplication() {
    QStandardPaths::setTestModeEnabled(true);
    WindowConventions::install(*qApp);
}

TestProgram::TestProgram(bool open, const QString& under)
    : m_dir((under.isEmpty() ? QDir::tempPath() : under) + QStringLiteral("/program-XXXXXX")) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    const QString error = DatabaseFile::createDelivered(databasePath());
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

void TestProgram::end() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FormBase*>(w) || qobject_cast<ReportWindow*>(w))
            w->deleteLater();
    settle();
    closeDatabase();
}

void TestProgram::openDatabase(int lockWaitMs) {
    const QString error = DatabaseFile::open(databasePath(), Sql::kConnectionName, lockWaitMs);
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
}

void TestProgram::closeDatabase() {
    DatabaseFile::close(Sql::kConnectionName);
}

void TestProgram::setDistrict(const QString& district, const QString& rings) {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    if (district != "-")
        settings.setValue("ProgramConst/DistrictNumber", district);
    if (rings != "-")
        settings.setValue("ProgramConst/NumberofRings", rings);
}

QString TestProgram::storedDistrict() {
    QSettings settings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    return settings.value("ProgramConst/DistrictNumber").toString() + '/' +
           settings.value("ProgramConst/NumberofRings").toString();
}

QWidget* window(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<FormBase*>(w))
            names << w->objectName();
    names.sort();
    return names;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool click(QWidget* form, const QString& name, TestProgram* lockedBy) {
    std::optional<WriteLock> lock;
    if (lockedBy)
        lock.emplace(*lockedBy);
    auto* button = control<QAbstractButton>(form, name);
    if (!button || !button->isVisibleTo(form) || !button->isEnabled())
        return false;
    button->click();
    settle();
    return true;
}

QWidget* openScreen(const QString& group, const QString& function, const QString& screen,
                    int meet) {
    QWidget* main = window(QStringLiteral("FrmMain"));
    if (!main) {
        main = new FrmMain;
        main->show();
    }
    control<QComboBox>(main, QStringLiteral("CbWeek"))->setCurrentIndex(meet - 1);
    return click(main, group) && click(main, function) ? window(screen) : nullptr;
}

QStringList typed(QWidget* form) {
    QStringList out;
    for (const QLineEdit* box :
         form->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
        out << box->text();
    return out << form->findChild<QComboBox*>()->currentText();
}

void fill(QWidget* form, const QStringList& texts) {
    const auto boxes = form->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    for (int k = 0; k < boxes.size(); ++k)
        boxes.at(k)->setText(texts.value(k));
    auto* list = form->findChild<QComboBox*>();
    if (list->isEditable())
        list->setEditText(texts.value(boxes.size()));
    else
        list->setCurrentIndex(list->findText(texts.value(boxes.size())));
}

QStringList items(QWidget* form, const QString& name) {
    QWidget* list = control(form, name);
    auto* combo = qobject_cast<QComboBox*>(list);
    auto* view = qobject_cast<QAbstractItemView*>(list);
    if (!combo && !view)
        return {QStringLiteral("<no list %1>").arg(name)};
    const QAbstractItemModel* model = combo ? combo->model() : view->model();
    QStringList out;
    for (int k = 0; k < model->rowCount(); ++k)
        out << model->index(k, 0).data().toString();
    return out;
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

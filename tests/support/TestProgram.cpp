#include "support/TestProgram.h"

#include "app/AppState.h"
#include "app/FormBase.h"
#include "app/FrmMain.h"
#include "app/WindowConventions.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "support/WriteLock.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
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
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("settings")));
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
    QList<QPointer<FormBase>> forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<FormBase*>(w))
            forms << form;
    for (const QPointer<FormBase>& form : forms)
        delete form.data();
    settle();
    closeDatabase();
}

QString TestProgram::databasePath() const {
    return m_dir.filePath(DatabaseFile::kFileName);
}

void TestProgram::openDatabase(int lockWaitMs) {
    const QString error = DatabaseFile::open(databasePath(), Sql::kConnectionName, lockWaitMs);
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
}

void TestProgram::closeDatabase() {
    DatabaseFile::close(Sql::kConnectionName);
}

void TestProgram::setDistrict(const QString& district, qint16 rings) {
    writeSetting(QStringLiteral("DistrictNumber"), district);
    writeSetting(QStringLiteral("NumberofRings"), QString::number(rings));
}

void TestProgram::writeSetting(const QString& key, const QString& value) {
    QSettings(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"))
        .setValue(QStringLiteral("ProgramConst/") + key, value);
}

QString TestProgram::readSetting(const QString& key) {
    QSettings s(QStringLiteral("ColtsTracker"), QStringLiteral("ColtsTracker"));
    return s.value(QStringLiteral("ProgramConst/") + key).toString();
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

QStringList boxesShown(const ScriptedPresenter& presenter) {
    QStringList out;
    for (const MessageRequest& box : presenter.shown)
        out << box.title + QStringLiteral(": ") + box.text;
    return out;
}

int count(const QString& sql, const QVariantList& values) {
    QSqlQuery q = Sql::run(sql, values);
    return q.next() ? q.value(0).toInt() : -1;
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

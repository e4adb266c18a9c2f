#include "support/TestProgram.h"

#include "app/FrmMain.h"
#include "forms/FormBase.h"
#include "forms/WindowConventions.h"
#include "support/WriteLock.h"

#include <QAbstractItemView>
#include <QWheelEvent>
#include <optional>

void initTestApplication() {
    initTestPaths();
    WindowConventions::install(*qApp);
}

TestProgram::~TestProgram() {
    end();
}

void TestProgram::end() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FormBase*>(w) || qobject_cast<ReportWindow*>(w))
            w->deleteLater();
    settle();
    closeDatabase();
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

void wheel(QWidget* widget, QPointF at) {
    QWheelEvent notch(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &notch);
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

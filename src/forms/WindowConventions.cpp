#include "forms/WindowConventions.h"

#include "forms/Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> g_lastDeactivated;

class ConventionFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Polish) {
            if (!widget->objectName().isEmpty() && widget->accessibleDescription().isEmpty())
                widget->setAccessibleDescription(widget->objectName());
        } else if (event->type() == QEvent::WindowDeactivate && widget->isWindow()) {
            g_lastDeactivated = widget;
        }
        return false;
    }
};

} // namespace

namespace WindowConventions {

void install(QApplication& app) {
    Fonts::install();
    static ConventionFilter* filter = nullptr;
    if (!filter) {
        filter = new ConventionFilter(&app);
        app.installEventFilter(filter);
    }
}

QWidget* lastDeactivatedWindow() {
    return g_lastDeactivated;
}

} // namespace WindowConventions

#include "app/FormBase.h"

#include "app/AppState.h"
#include "app/Fonts.h"
#include "app/Twips.h"
#include "app/WindowConventions.h"

#include <QCloseEvent>

FormBase::FormBase(const QString& name, const QString& title, int clientWidthTwips,
                   int clientHeightTwips)
    : QWidget(nullptr) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setClientSizeTwips(clientWidthTwips, clientHeightTwips);
}

void FormBase::setClientSizeTwips(int width, int height) {
    setFixedSize(Twips::toPixels(width), Twips::toPixels(height));
}

void FormBase::centre() {
    const QPointF origin =
        Twips::centredOrigin(AppState::ScreenWidth, AppState::ScreenHeight,
                             Twips::fromPixels(width()), Twips::fromPixels(height()));
    move(Twips::toPixels(origin.x()), Twips::toPixels(origin.y()));
}

void FormBase::openScreen(FormBase* target) {
    target->setOpener(this);
    target->show();
    target->unsetCursor();
    hide();
}

void FormBase::Form_Unload() {
    if (m_opener) {
        m_opener->show();
        m_opener->unsetCursor();
    }
}

void FormBase::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
}

void FormBase::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_captionsFitted) {
        m_captionsFitted = true;
        Fonts::fitCaptions(this);
    }
    if (!event->spontaneous())
        Form_Activate();
}

bool FormBase::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Shown again after another screen closed: showEvent has refreshed already. Coming
        // back from another application: the last window left was this one.
        QWidget* previous = WindowConventions::lastDeactivatedWindow();
        if (previous && previous != this && previous->isVisible())
            Form_Activate();
    }
    return handled;
}

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
    m_outerTwips = QSize();
    setFixedSize(Twips::toPixels(width), Twips::toPixels(height));
}

QMargins FormBase::frameMargins() const {
    const QRect outer = frameGeometry(), inner = geometry();
    if (isVisible() && outer != inner)
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    return QMargins(4, 24, 4, 4); // borders of 4 pixels, a title bar of 20
}

int FormBase::outerWidthTwips() const {
    if (m_outerTwips.isValid())
        return m_outerTwips.width();
    const QMargins m = frameMargins();
    return Twips::fromPixels(width() + m.left() + m.right());
}

int FormBase::outerHeightTwips() const {
    if (m_outerTwips.isValid())
        return m_outerTwips.height();
    const QMargins m = frameMargins();
    return Twips::fromPixels(height() + m.top() + m.bottom());
}

void FormBase::setOuterGeometryTwips(int left, int top, int width, int height) {
    m_outerTwips = QSize(width, height);
    const QMargins m = frameMargins();
    setFixedSize(Twips::toPixels(width) - m.left() - m.right(),
                 Twips::toPixels(height) - m.top() - m.bottom());
    move(Twips::toPixels(left), Twips::toPixels(top)); // a window's position is its frame's
}

void FormBase::centre() {
    const QPointF origin = Twips::centredOrigin(AppState::ScreenWidth, AppState::ScreenHeight,
                                                outerWidthTwips(), outerHeightTwips());
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

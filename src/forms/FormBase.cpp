#include "forms/FormBase.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "forms/Fonts.h"
#include "forms/WindowConventions.h"

#include "forms/Messages.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

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

QStringList FormBase::controlState() const {
    QStringList state;
    for (const QWidget* w : findChildren<QWidget*>()) {
        if (const auto* box = qobject_cast<const QLineEdit*>(w))
            state << box->text();
        else if (const auto* list = qobject_cast<const QComboBox*>(w))
            state << QString::number(list->currentIndex()) + list->currentText();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            state << QString::number(button->isChecked());
    }
    return state;
}

void FormBase::closeWithoutAsking() {
    m_closing = true;
    close();
}

void FormBase::closeEvent(QCloseEvent* event) {
    if (m_asksBeforeClosing && !m_closing && !m_unloaded && controlState() != m_shownState &&
        !Messages::confirm(Messages::kCancelQuestion)) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
}

void FormBase::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto pressable = [](QPushButton* b) { return b && b->isVisible() && b->isEnabled(); };
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Buttons here leave Enter to the screen (no auto-default outside a dialog).
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (pressable(focused))
            focused->click();
        else if (pressable(m_mainButton))
            m_mainButton->click();
        break;
    }
    case Qt::Key_Escape:
        if (m_cancelButton) {
            if (pressable(m_cancelButton))
                m_cancelButton->click();
        } else if (m_opener) {
            close();
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FormBase::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const bool first = !m_captionsFitted;
    if (first) {
        m_captionsFitted = true;
        Fonts::fitCaptions(this);
    }
    if (!event->spontaneous())
        Form_Activate();
    if (first && m_asksBeforeClosing)
        m_shownState = controlState();
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

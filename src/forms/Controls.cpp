#include "forms/Controls.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "forms/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>
#include <qdrawutil.h>

namespace {

template <typename W>
W* place(W* widget, const QString& name, int left, int top, int width, int height,
         const std::optional<QFont>& font = std::nullopt) {
    Controls::name(widget, name);
    widget->setGeometry(Twips::rect(left, top, width, height));
    if (font) // also when it equals the application font: the form's may differ
        widget->setFont(*font);
    return widget;
}

// The graphical check box: its picture on a face that is pressed in, flat or raised.
class PictureCheckBox : public QAbstractButton {
    static constexpr QColor kCheckedFill{15, 40, 115};
    static constexpr QColor kClosedFill{205, 205, 205};
    static constexpr QColor kClosedHatch{90, 90, 90};
    static constexpr QColor kFocusColour{255, 160, 0};

public:
    PictureCheckBox(const QPixmap& picture, QWidget* parent)
        : QAbstractButton(parent), m_picture(picture) {
        setCheckable(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // The arrow keys belong to the screen, which moves between the boxes of its grid.
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->ignore();
            return;
        default:
            QAbstractButton::keyPressEvent(event);
        }
    }

    // Told apart at a glance across a full grid: a checked box is filled dark with its cross in
    // white, a free one is white with the picture faint, a closed one is hatched and raised.
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        if (isChecked()) {
            p.fillRect(r, kCheckedFill);
            const QRectF cross = QRectF(r).adjusted(r.width() * 0.25, r.height() * 0.25,
                                                    -r.width() * 0.25, -r.height() * 0.25);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(cross.topLeft(), cross.bottomRight());
            p.drawLine(cross.topRight(), cross.bottomLeft());
            p.setRenderHint(QPainter::Antialiasing, false);
            qDrawShadePanel(&p, r, palette(), true, 1);
        } else if (!isEnabled()) {
            p.fillRect(r, kClosedFill);
            p.fillRect(r, QBrush(kClosedHatch, Qt::BDiagPattern));
            qDrawShadePanel(&p, r, palette(), false, 1);
        } else {
            p.fillRect(r, palette().base());
            if (!m_picture.isNull()) {
                QRect target = m_picture.rect();
                target.moveCenter(r.center());
                p.setOpacity(0.2);
                p.drawPixmap(target, m_picture);
                p.setOpacity(1);
            }
            if (isDown())
                qDrawShadePanel(&p, r, palette(), true, 1);
            else
                qDrawPlainRect(&p, r, palette().mid().color());
        }
        if (hasFocus()) {
            p.setPen(QPen(kFocusColour, 2));
            p.drawRect(QRectF(r).adjusted(2, 2, -2, -2));
        }
    }

private:
    QPixmap m_picture;
};

// A push button whose caption wraps at a space onto a second line when one line is too
// narrow for it, as classic buttons do. Its text stays the caption as designed.
class CaptionButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        QString plain = option.text;
        plain.remove(QLatin1Char('&'));
        if (option.text.isEmpty() || fontMetrics().horizontalAdvance(plain) <= area.width()) {
            QPushButton::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        style()->drawItemText(&painter, area,
                              Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                              isEnabled(), caption, QPalette::ButtonText);
    }
};

// A drop-down list the wheel changes only once the user has clicked or tabbed into it;
// over a list without the focus the wheel goes on to the screen, which scrolls.
class WheelSafeComboBox : public QComboBox {
public:
    explicit WheelSafeComboBox(QWidget* parent) : QComboBox(parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (hasFocus())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }
};

// Tells the user, once however many keys were pressed meanwhile, that `box` did not take
// all of a key or paste, and marks the cut text so that it is never taken for a whole value.
void tellWhenCut(QLineEdit* box, int maxChars) {
    auto pending = std::make_shared<bool>(false);
    QObject::connect(box, &QLineEdit::inputRejected, box, [box, maxChars, pending] {
        if (*pending)
            return;
        *pending = true;
        QMetaObject::invokeMethod(
            box,
            [box, maxChars, pending] {
                box->setProperty(Controls::kCutText, box->text());
                Messages::notice(QStringLiteral("This box holds at most %1 characters, so the "
                                                "text was not taken in full. Check the box "
                                                "before you save.")
                                     .arg(maxChars));
                *pending = false;
            },
            Qt::QueuedConnection);
    });
    // Any change after the cut is the user's own text again.
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box] { box->setProperty(Controls::kCutText, QVariant()); });
}

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* form, const QString& name, int left,
                      int top, int width, int height) {
    auto* bar = place(new QScrollBar(orientation, form), name, left, top, width, height);
    bar->setTracking(false);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

} // namespace

namespace Controls {

QLabel* label(QWidget* form, const QString& name, const QString& caption, int left, int top,
              int width, int height, const std::optional<QFont>& font) {
    auto* l = place(new QLabel(caption, form), name, left, top, width, height, font);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* button(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const std::optional<QFont>& font) {
    auto* b = place(new CaptionButton(caption, form), name, left, top, width, height, font);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* textBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                   int maxChars, const std::optional<QFont>& font) {
    auto* box = place(new QLineEdit(form), name, left, top, width, height, font);
    box->setMaxLength(maxChars);
    tellWhenCut(box, maxChars);
    return box;
}

QComboBox* dropDownList(QWidget* form, const QString& name, int left, int top, int width,
                        int height, const std::optional<QFont>& font) {
    auto* c = place(new WheelSafeComboBox(form), name, left, top, width, height, font);
    c->setEditable(false);
    return c;
}

QComboBox* dropDownCombo(QWidget* form, const QString& name, int left, int top, int width,
                         int height, int maxChars, const std::optional<QFont>& font) {
    auto* c = place(new WheelSafeComboBox(form), name, left, top, width, height, font);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->lineEdit()->setMaxLength(maxChars);
    tellWhenCut(c->lineEdit(), maxChars);
    return c;
}

QCheckBox* checkBox(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const std::optional<QFont>& font) {
    return place(new QCheckBox(caption, form), name, left, top, width, height, font);
}

QAbstractButton* graphicalCheckBox(QWidget* form, const QString& name, const QPixmap& picture,
                                   int left, int top, int width, int height) {
    return place(new PictureCheckBox(picture, form), name, left, top, width, height);
}

QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption, int left,
                           int top, int width, int height, const std::optional<QFont>& font) {
    return place(new QRadioButton(caption, parent), name, left, top, width, height, font);
}

QFrame* frame(QWidget* form, const QString& name, int left, int top, int width, int height) {
    auto* f = place(new QFrame(form), name, left, top, width, height);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

QLabel* pictureBox(QWidget* form, const QString& name, const QPixmap& picture,
                   const QString& missingText, int left, int top, int width, int height) {
    auto* box = place(new QLabel(form), name, left, top, width, height);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!picture.isNull()) {
        box->setPixmap(picture);
    } else {
        box->setText(missingText);
        box->setWordWrap(true);
        box->setTextFormat(Qt::PlainText);
        box->setAlignment(Qt::AlignCenter);
        box->setFrameShape(QFrame::Box);
    }
    return box;
}

QFrame* line(QWidget* form, const QString& lineName, int x1, int y1, int x2, int y2,
             int thickness) {
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    auto* l = new QFrame(form);
    name(l, lineName);
    const QPoint from = Twips::rect(left, top, 0, 0).topLeft();
    const int length = Twips::toPixels(std::max(std::abs(x2 - x1), std::abs(y2 - y1)));
    l->setGeometry(x1 == x2 ? QRect(from, QSize(thickness, std::max(1, length)))
                            : QRect(from, QSize(std::max(1, length), thickness)));
    l->setAutoFillBackground(true);
    QPalette black = l->palette();
    black.setColor(QPalette::Window, Qt::black);
    l->setPalette(black);
    return l;
}

QFrame* line(QWidget* form, const QString& lineName, const GridGeometry::Line& at, int thickness) {
    return line(form, lineName, at.x1, at.y1, at.x2, at.y2, thickness);
}

QScrollBar* verticalScrollBar(QWidget* form, const QString& name, int left, int top, int width,
                              int height) {
    return scrollBar(Qt::Vertical, form, name, left, top, width, height);
}

QScrollBar* horizontalScrollBar(QWidget* form, const QString& name, int left, int top, int width,
                                int height) {
    return scrollBar(Qt::Horizontal, form, name, left, top, width, height);
}

void placeScrollBar(QScrollBar* bar, const GridGeometry::Bar& place) {
    bar->setVisible(place.shown);
    if (!place.shown)
        return;
    bar->setRange(0, place.maximum);
    bar->setGeometry(Twips::rect(place.left, place.top, place.width, place.height));
}

bool wheelToScrollBar(QWheelEvent* event, QScrollBar* bar, int* remainder) {
    if (!bar->isEnabled() || bar->isHidden()) {
        event->ignore();
        return false;
    }
    *remainder += event->angleDelta().y();
    const int notches = *remainder / 120;
    *remainder %= 120;
    if (notches != 0)
        bar->setValue(bar->value() - notches);
    event->accept();
    return true;
}

void fillRingsAndClasses(QComboBox* rings, QComboBox* classList,
                         QVector<ClassTable::Class>* classes) {
    for (int ring = 1; ring <= AppState::NumRings; ++ring)
        rings->addItem(QString::number(ring));
    guarded([&] { *classes = ClassTable::classes(); });
    for (const ClassTable::Class& c : *classes)
        classList->addItem(QString::number(c.ClassNumber) + QStringLiteral(" - ") + c.ClassName);
    rings->setCurrentIndex(-1);
    classList->setCurrentIndex(-1);
}

bool wasCut(const QLineEdit* box) {
    const QVariant cut = box->property(kCutText);
    return cut.isValid() && !box->text().isEmpty() && cut.toString() == box->text();
}

void name(QWidget* control, const QString& name) {
    control->setObjectName(name);
    control->setAccessibleDescription(name);
}

QListWidget* listBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                     const std::optional<QFont>& font) {
    auto* l = place(new QListWidget(form), name, left, top, width, height, font);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setSortingEnabled(false);
    return l;
}

void tabOrder(const QVector<std::pair<int, QWidget*>>& controls) {
    QVector<std::pair<int, QWidget*>> sorted = controls;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& entry : sorted) {
        if (entry.second->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, entry.second);
        previous = entry.second;
    }
}

QString arrayName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void showDatabaseError(const DbError& error, const ErrorTexts& texts) {
    if (!texts.duplicate.isEmpty() && error.isUniqueViolation())
        Messages::notice(texts.duplicate);
    else if (!texts.failed.isEmpty())
        Messages::notice(texts.failed + QStringLiteral(": ") + error.reason() + QLatin1Char('.'));
    else
        Messages::notice(QStringLiteral("The database could not complete this action: "
                                        "%1.\n\nNothing was changed.")
                             .arg(error.reason()));
}

} // namespace Controls

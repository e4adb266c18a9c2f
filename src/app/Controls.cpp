#include "app/Controls.h"

#include "app/Messages.h"
#include "app/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <memory>

namespace {

template <typename W>
W* place(W* widget, const QString& name, int left, int top, int width, int height,
         const QFont& font) {
    widget->setObjectName(name);
    widget->setGeometry(Twips::rect(left, top, width, height));
    if (font != QFont())
        widget->setFont(font);
    return widget;
}

} // namespace

namespace Controls {

QLabel* label(QWidget* form, const QString& name, const QString& caption, int left, int top,
              int width, int height, const QFont& font) {
    auto* l = place(new QLabel(caption, form), name, left, top, width, height, font);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* button(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QFont& font) {
    auto* b = place(new QPushButton(caption, form), name, left, top, width, height, font);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* textBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                   int maxChars, const QFont& font) {
    auto* box = place(new QLineEdit(form), name, left, top, width, height, font);
    box->setMaxLength(maxChars);
    // Told after the key or paste has been handled, and once however many keys were pressed
    // meanwhile.
    auto pending = std::make_shared<bool>(false);
    QObject::connect(box, &QLineEdit::inputRejected, box, [box, maxChars, pending] {
        if (*pending)
            return;
        *pending = true;
        QMetaObject::invokeMethod(
            box,
            [maxChars, pending] {
                Messages::notice(QStringLiteral("This box holds at most %1 characters, so the "
                                                "text was not taken in full. Check the box "
                                                "before you save.")
                                     .arg(maxChars));
                *pending = false;
            },
            Qt::QueuedConnection);
    });
    return box;
}

QComboBox* dropDownList(QWidget* form, const QString& name, int left, int top, int width,
                        int height, const QFont& font) {
    auto* c = place(new QComboBox(form), name, left, top, width, height, font);
    c->setEditable(false);
    return c;
}

QComboBox* dropDownCombo(QWidget* form, const QString& name, int left, int top, int width,
                         int height, const QFont& font) {
    auto* c = place(new QComboBox(form), name, left, top, width, height, font);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    return c;
}

QListWidget* listBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                     const QFont& font) {
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

void showDatabaseError(const QString& reason) {
    Messages::notice(
        QStringLiteral("The database could not complete this action: %1.\n\nNothing was changed.")
            .arg(reason));
}

} // namespace Controls

#pragma once

#include "core/Twips.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"

#include <QObject>
#include <QPoint>
#include <QVector>
#include <functional>
#include <optional>

// The elements of one control array of a screen, made at run time: element i is named
// "Name(i)", counting from 1. A handler connected with connectEach() learns the index of
// the element that sent the signal, for the elements there and those added later.
template <typename Widget> class ControlArray {
public:
    explicit ControlArray(const QString& name) : m_name(name) {}

    const QString& name() const { return m_name; }
    int count() const { return int(m_elements.size()); }
    // Element i (1-based), or nullptr when there is none.
    Widget* operator[](int index) const {
        return index >= 1 && index <= count() ? m_elements.at(index - 1) : nullptr;
    }

    // Adds `widget` as the next element, names it and connects it as the others are.
    Widget* add(Widget* widget) {
        m_elements.push_back(widget);
        const int index = count();
        Controls::name(widget, Controls::arrayName(m_name, index));
        // A screen fits its captions when first shown; later elements are fitted here.
        if (widget->window()->isVisible())
            Fonts::fitCaption(widget);
        for (const auto& connector : m_connectors)
            connector(widget, index);
        return widget;
    }

    // Calls `handler(index)` whenever an element emits `signal`.
    template <typename Signal> void connectEach(Signal signal, std::function<void(int)> handler) {
        auto connector = [signal, handler](Widget* widget, int index) {
            QObject::connect(widget, signal, widget, [handler, index] { handler(index); });
        };
        for (int k = 1; k <= count(); ++k)
            connector(m_elements.at(k - 1), k);
        m_connectors.push_back(connector);
    }

    // Shows the elements that a scrolled view holds, each at the place `placeOf(i)` gives it in
    // twips, and hides the others, before any is shown; a hidden element stays where it was.
    template <typename PlaceOf> void showView(PlaceOf placeOf) {
        QVector<std::optional<QPoint>> places;
        for (int k = 1; k <= count(); ++k) {
            places.push_back(placeOf(k));
            if (!places.last())
                m_elements.at(k - 1)->hide();
        }
        for (int k = 1; k <= count(); ++k) {
            if (const std::optional<QPoint>& at = places.at(k - 1)) {
                m_elements.at(k - 1)->move(Twips::toPixels(at->x()), Twips::toPixels(at->y()));
                m_elements.at(k - 1)->show();
            }
        }
    }

    // For elements that stay at their places while a view scrolls over a longer run: names
    // element i after the element `shownAt(i)` of the run that it now shows.
    template <typename ShownAt> void nameView(ShownAt shownAt) {
        for (int k = 1; k <= count(); ++k)
            Controls::name(m_elements.at(k - 1), Controls::arrayName(m_name, shownAt(k)));
    }

private:
    QString m_name;
    QVector<Widget*> m_elements;
    QVector<std::function<void(Widget*, int)>> m_connectors;
};

#pragma once

#include "forms/Controls.h"
#include "forms/Fonts.h"

#include <QObject>
#include <QVector>
#include <functional>

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

private:
    QString m_name;
    QVector<Widget*> m_elements;
    QVector<std::function<void(Widget*, int)>> m_connectors;
};

#pragma once

#include <QString>

// What an operation on a file came to: done, or why not, in words for the secretary. Every
// file operation that can fail returns one, and it must be looked at.
struct [[nodiscard]] Outcome {
    QString failure; // empty when it was done

    bool ok() const { return failure.isEmpty(); }
};

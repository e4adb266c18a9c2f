#pragma once

#include <QtGlobal>

// One class ridden in one ring at one meet: what placings and class sheets are of. The three
// numbers travel together, so that none is passed in another's place.
struct ClassRun {
    qint16 Ring = 0;
    qint16 ClassNumber = 0;
    qint16 Week = 0; // the meet
};

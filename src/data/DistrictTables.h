#pragma once

#include "data/Sheet.h"

// The whole district as sheets, for a workbook the secretary can keep, read or edit: its
// teams, coaches, riders, ring assignments, entries, relay pairs and placings.
namespace DistrictTables {

// Every record of the district, a sheet a table, each in a fixed order. A row whose team,
// rider or class is gone still appears, with those columns empty. Throws DbError.
QVector<Sheet> read();

} // namespace DistrictTables

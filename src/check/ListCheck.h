#pragma once

#include "check/CheckReport.h"

#include <QString>

class GridTable;

// The checks of the assigners' input lists: what the Name Assigner and the
// Speed Dial Assigner make of each row, and where that goes wrong.
namespace ListCheck {

// The Name Assigner's list (extension, name): an extension used twice, a name
// without extension, a name cut to 16 characters, characters that become "?".
CheckReport CheckNames(const GridTable &input);

// The Speed Dial Assigner's list (name, access code, number) with its entries
// taking memory locations from start on, as the import gives them out: entries
// left without a location, numbers and access codes that cannot be dialled,
// names cut to 16 characters.
CheckReport CheckSpeedDials(const GridTable &input, const QString &start);

// How many entries get a location from start on (300 from "000").
int LocationsFrom(const QString &start);

// The characters of a text that windows-1252 cannot hold, each once: "Ŝ", "€".
QString CharactersOutsideCodePage(const QString &text);

} // namespace ListCheck

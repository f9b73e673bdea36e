#pragma once

#include <QString>

class GridTable;

// The values of one handset that template cells refer to by placeholder.
struct HandsetValues {
    QString ext; // "%EXT%"
    QString len; // "%LEN%"
    QString dr;  // "%DR%"  DRD
    QString nr;  // "%NR%"  DRN
    QString ds;  // "%DS%"  CLSS (CD)
    QString ns;  // "%NS%"  CLSS (CN)
    QString lc;  // "%LC%"  LOC

    // The values of a row of the handset grid.
    static HandsetValues ofRow(const GridTable &handsets, int row);
};

// A template cell in upper case as the switch receives it: character by character,
// each character that has an upper case in windows-1252 takes it, every other
// one stays as it is (so "ß" does not become "SS", nor "µ" a Greek capital that
// would be exported as "?").
QString ScriptUpperCase(const QString &text);

// A template cell for one handset: the cell in upper case, then the first
// occurrence of each of "%EXT%", "%LEN%", "%DR%", "%NR%", "%DS%", "%NS%" and
// "%LC%", in that order, replaced by the handset's value as it is. A value that
// holds a later token is itself subject to that token.
QString SubstitutePlaceholders(const QString &cell, const HandsetValues &values);

// The same for a cell that is upper case already (the compiler upper-cases each
// template cell once, not once per handset).
QString SubstituteInUpperCase(const QString &upperCell, const HandsetValues &values);

#pragma once

#include <QString>
#include <QStringList>

class Prompter;

// The handset grid: one row per handset, ten columns of text. The compiler reads
// it, the range screen builds it, the handset files carry it.
namespace HandsetColumns {

enum Column {
    Len = 0,     // FP and circuit, the key of the row
    Ext,         // extension number
    HandsetType, // names the script template of the handset
    SpeedDials,  // personal speed-dial count
    Drd,         // dialling restriction, day
    Drn,         // dialling restriction, night
    ClassDay,    // CLSS (CD)
    ClassNight,  // CLSS (CN)
    PickupVip,   // pickup group
    Loc,         // location
    Count
};

inline const QString kHeader =
    QStringLiteral("LEN          | EXT       | HANDSET TYPE  | SPEED DIALS           | DRD           | DRN           "
                   "| CLSS (CD) | CLSS (CN) | PICKUP VIP | LOC");

// A new handset: its LEN, extension and type with the default settings.
QStringList NewRow(const QString &len, const QString &ext, const QString &handsetType);

} // namespace HandsetColumns

// The rule a value typed into a handset cell must follow. A value outside the
// rule is never refused: the user is told and a replacement takes its place.
struct CellCheck {
    QString text;    // the typed text, or its replacement
    QString message; // empty when the value passed
    QString title;
};
CellCheck CheckRange(int column, const QString &typed);

// CheckRange with its message shown (OK button, information icon).
QString CheckRange(Prompter &prompter, int column, const QString &typed);

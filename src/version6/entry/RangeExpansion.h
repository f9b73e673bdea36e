#pragma once

#include <QString>
#include <QStringList>

// The numbers of a range. A range of LEN circuits from a start to a stop text
// pairs one extension with each LEN; both are counted in digit slots so that the
// width of the first number is kept (0098, 0099, 0100, 0101).
namespace RangeExpansion {

// Ranges are refused beyond this many numbers: a site has at most 32 x 128 LENs,
// and a typed stop circuit of 99999999 must not exhaust the memory.
constexpr qsizetype kMaxRangeSize = 100000;

// How many numbers the circuits startLen .. stopLen give: every whole step from
// the value of the start text up to the value of the stop text; 0 when the stop
// is below the start. Capped at kMaxRangeSize + 1 so the caller can refuse.
qsizetype Size(const QString &startLen, const QString &stopLen);

// count extensions from startExt: up to five one-character slots; each next number
// raises the last non-empty slot and carries a slot above 9 into the one on its
// left, the first slot never carrying (9999, 10000; 99999, 100000). Without a
// start every extension is empty.
QStringList Extensions(const QString &startExt, qsizetype count);

// The extension after ext, counted as Extensions counts (characters after the
// fifth are dropped; 0209 gives 0210, 99 gives 100); "" for an empty ext.
QString NextExtension(const QString &ext);

// count LENs: the FP text followed by three circuit slots counted the same way.
QStringList Lens(const QString &fp, const QString &startLen, qsizetype count);

// The circuit list of an FP: "000" to "127", or "000" to "063" for a negative FP.
QStringList Circuits(const QString &fp);

// The FP list: "00" to "31".
QStringList FpChoices();

} // namespace RangeExpansion

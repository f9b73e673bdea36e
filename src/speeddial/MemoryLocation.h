#pragma once

#include <QString>

#include <optional>

// The system speed-dial memory locations, 000 to 299, as the location box holds
// them: normally three decimal digits.
namespace MemoryLocation {
inline const QString kFirst = QStringLiteral("000");
inline const QString kLastText = QStringLiteral("299");
constexpr int kLast = 299;

// AdvanceLocation on the box's text: the third character counts up by one, a
// carry goes to the second and from there to the first; each of the first three
// characters counts as its digit, a missing or other character as 0, and the ones
// no step touched keep their text. So 000 gives 001, 009 010, 199 200, a box
// holding "5" gives "51" and "12" gives "121". nullopt when the first digit would
// pass 2: 299 was the last location.
std::optional<QString> Next(const QString &location);

// The box holds more than the last location (its text value is above 299).
bool BeyondLast(const QString &text);
} // namespace MemoryLocation

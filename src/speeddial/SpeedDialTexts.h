#pragma once

#include <QString>

// The Speed Dial Assigner's own texts; those it shares with the Name Assigner are
// in assigner/AssignerTexts.h.
namespace SpeedDialTexts {
inline const QString kWindowTitle = QStringLiteral("Speed Dial Assigner");

// The location box and the leading-zero option.
inline const QString kLocationCaption = QStringLiteral("Start MEM Location");
inline const QString kLocationTip = QStringLiteral("Memory location of the next speed dial, 000 to 299");
inline const QString kLeadingZeroCaption = QStringLiteral("Put '0' at the beginning of Outside Line numbers");

// Messages.
inline const QString kMaximumText = QStringLiteral("You Have reached your maximum speed dial locations");
inline const QString kMaximumTitle = QStringLiteral("Unable to complete imprortation");
inline const QString kBeyondLastText = QStringLiteral("THERE IS A MAXIMUM OF 299 SPEED DIAL MEMORY LOCATIONS");
inline const QString kBeyondLastTitle = QStringLiteral("USER INPUT ERROR");
// Under PlatformTexts::kUserErrorTitle.
inline const QString kInUseText = QStringLiteral("The choosen memory location is already in use!!!");
inline const QString kNoExportTargetText = QStringLiteral("Please Enter an export location 1st!");
inline const QString kNoExportTargetTitle = QStringLiteral("Unable to export");
} // namespace SpeedDialTexts

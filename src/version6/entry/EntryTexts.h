#pragma once

#include <QString>
#include <QStringList>

// The texts of the Version 6.0 range screen and handset grid: their messages,
// status prompts and captions, exactly as shown. The titles the tools share are
// in platform/PlatformTexts.h.
namespace EntryTexts {
// The range screen.
inline const QString kInvalidFpText = QStringLiteral("You have selected an invalid FP!!!");
inline const QString kStartExtText = QStringLiteral("Extension number must be between 0 and 99999");
inline const QString kStartExtTitle = QStringLiteral("Invalid Number");
// Under PlatformTexts::kUserErrorTitle.
inline const QString kNoFpText = QStringLiteral("Please State FP and LEN Information first!!!");
inline QString RangeTooLargeText(qsizetype maxLens)
{
    return QStringLiteral("The chosen LEN range is too large: a range can hold at most %1 LENs.").arg(maxLens);
}
inline const QString kConflictTitle = QStringLiteral("Confliction Found");
inline const QString kExtensionInUseText = QStringLiteral("The Chosen extension number is already in use");
// A new range's LENs in use ("ADD"), and a listed range's once "REMOVE" registers
// the ranges again.
inline const QString kAddedLensInUseText = QStringLiteral("The Chosen The choosen LEN range is already in use!");
inline const QString kListedLensInUseText = QStringLiteral("The Chosen LEN range is already in use");

// Building the handset grid again after "BACK".
inline const QString kKeepAdvancedText = QStringLiteral("You have applied changes to the Advanced grid\r\n"
                                                        "Would you like to keep these changes?");

// The status prompts of the handset grid's editors.
inline const QString kNavigate =
    QStringLiteral("Use Up and Down arrows to navigate - Space to repeat or Return to change");
inline const QString kEnterData = QStringLiteral("Enter data then press Return");
inline const QString kSelectHandset = QStringLiteral("Select the required handset then press Return");
inline const QString kApplying = QStringLiteral("Applying changes to Entire Colum - Please Wait");

// The Auto Increase menu entry: its caption when the window opens, then after
// each toggle.
inline const QString kAutoIncreaseFirstCaption = QStringLiteral("Auto &Increase ON");
inline const QString kAutoIncreaseOnCaption = QStringLiteral("Auto Increase ON");
inline const QString kAutoIncreaseOffCaption = QStringLiteral("Auto Increase OFF");

// The cell rules of the handset grid. A refused cell shows its rule's text and,
// for most rules, the range after a line break.
inline const QString kInputErrorTitle = QStringLiteral("User Input Error");
// A paste or Delete whose values broke the cell rules: one box lists them, the
// first few of them with the reason each was replaced.
constexpr int kReplacedShown = 12;
inline QString ReplacedValueLine(int row, const QString &caption, const QString &typed, const QString &result,
                                 const QString &reason)
{
    return QStringLiteral("Row %1, %2: \"%3\" became \"%4\" - %5").arg(row).arg(caption, typed, result, reason);
}
inline QString ReplacedValuesText(const QStringList &shown, qsizetype total)
{
    QString text =
        QStringLiteral("%1 pasted or deleted values broke the rules of their column and were replaced:").arg(total);
    for (const QString &line : shown)
        text += QStringLiteral("\r\n") + line;
    if (total > shown.size())
        text += QStringLiteral("\r\n... and %1 more.").arg(total - shown.size());
    return text;
}
inline const QString kSpeedDialErrorTitle = QStringLiteral("User input Error"); // the SPEED DIALS column's spelling
inline const QString kInvalidExtensionText = QStringLiteral("INVALID EXTENSION NUMBER!!!");
inline const QString kExtensionLengthText = QStringLiteral("Number can be no more than 5 Digits");
inline const QString kInvalidSpeedDialsText = QStringLiteral("Invalid Speed Dial Number!!!");
inline const QString kSpeedDialsRangeText = QStringLiteral("Valid Number range is 10 to 100 with increments of 10");
inline const QString kSpeedDialsStepText = QStringLiteral("Number can only be in increments of 10!!!");
inline const QString kInvalidRestrictionText = QStringLiteral("Invalid Dialing Restriction Number!!!");
inline const QString kRestrictionRangeText = QStringLiteral("Valid Number range is 1-8 or Nothing");
inline const QString kInvalidClassText = QStringLiteral("INVALID CLASS NUMBER!!!");
inline const QString kClassRangeText = QStringLiteral("Number range is 00 to 15");
inline const QString kInvalidPickupText = QStringLiteral("INVALID PICKUP GROUP NUMBER!!!");
inline const QString kPickupRangeText = QStringLiteral("Number range is 1 to 99 or Nothing");
inline const QString kInvalidLocationText = QStringLiteral("INVALID LOCATION NUMBER!!!");
inline const QString kLocationRangeText = QStringLiteral("Number range is 00 to 31");
inline const QString kTwoDigitsText = QStringLiteral("Number must be of 2 digits i.e. 00");
} // namespace EntryTexts

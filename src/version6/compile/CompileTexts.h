#pragma once

#include <QString>
#include <QStringList>

// The texts of the Version 6.0 compiler and its outputs: the output tabs'
// captions, the progress texts, the start-block question and the export
// messages, exactly as shown.
namespace CompileTexts {
// The tabs of the four output grids, in OutputGrids::Index order.
inline const QStringList kOutputCaptions{QStringLiteral("Handset Data"), QStringLiteral("Pickup Groups"),
                                         QStringLiteral("Personal Speed Dials"), QStringLiteral("Master Output")};

// The progress panel's label (Label3), by stage.
inline const QString kStartingLabel = QStringLiteral("NOW COMPILING OUTPUT DATA");
inline QString HandsetsLabel(int handsetsRemaining)
{
    return QStringLiteral("Compiling Handset Data...\r\n(%1 Handsets Remaining)").arg(handsetsRemaining);
}
inline const QString kSpeedDialsLabel = QStringLiteral("Updating Speed Dial Data...");
inline const QString kPickupGroupsLabel = QStringLiteral("NOW COMPILING PICKUP GROUPS");
inline const QString kFinalisingLabel = QStringLiteral("NOW FINALIZING OUTPUT FILES");
// The status bar's first panel while a compile runs.
inline const QString kCompilingStatus = QStringLiteral("Compiling Output data - please wait");
inline const QString kPickupGroupsStatus = QStringLiteral("Compiling VIP pickup groups");

// The question about the Speed Dial Starting Block, and the message when the
// blocks run past the PABX's capacity.
inline const QString kStartPrompt = QStringLiteral("Speed Dial Start Location");
inline const QString kStartTitle = QStringLiteral("Is this Correct?");
inline const QString kCapacityText = QStringLiteral("Unable to continue processing speed dials\r\n"
                                                    "Please check your input data, as you have selected more speed "
                                                    "dials than the PABX supports");
inline const QString kCapacityTitle = QStringLiteral("User input error");

// How an export ended. Success for a text file; a workbook's success is
// FileMessages::kExportedToText and the path.
inline const QString kExportedText = QStringLiteral("Data Exported Successfully!");
inline const QString kExportFailedTitle = QStringLiteral("UNABLE TO EXPORT");
inline QString UnwritableTypeText(const QString &endings)
{
    return QStringLiteral("Nothing was exported: files of this type cannot be written.\r\n"
                          "Choose a name ending in %1.")
        .arg(endings);
}
inline QString WriteFailedText(const QString &reason)
{
    return QStringLiteral("Nothing was exported: the file could not be written.\r\n") + reason;
}
} // namespace CompileTexts

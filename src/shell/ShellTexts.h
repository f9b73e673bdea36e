#pragma once

#include <QString>

// The shell's own texts: captions, labels and questions, exactly as shown.
namespace ShellTexts {
inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kCheckUserAction = QStringLiteral("Check User Action");
inline const QString kSessionEndQuestion = QStringLiteral("Are you sure you want to exit HVN?");

// The quit question of the launcher's EXIT entry.
QString quitQuestion();
// The caption of launcher entry 0..4.
QString entryCaption(int entry);

// Splash: "Version : 8.1", CR LF, our notice line.
QString splashLabel();

inline const QString kAboutCaption = QStringLiteral("ABOUT H.V.N");
inline const QString kBuildCaption = QStringLiteral("Build : ");
// What the About window adds to its build caption: major.minor and the revision,
// "8.1 (SP 8)".
QString buildSuffix();
QString aboutNotice();

inline const QString kHelpFeaturesText = QStringLiteral(
    "Use the Reset button to Clear all data and start again.  The Compile Now Button generates the "
    "script for you, The Print Button allows you to print all data.");
inline const QString kHelpBrowseText =
    QStringLiteral("This allows you to browse your PC for Files To Import or Export into HVN");
} // namespace ShellTexts

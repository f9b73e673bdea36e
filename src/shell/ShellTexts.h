#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The shell's own texts: captions, labels and questions, exactly as shown. The
// program's name, the version caption and the questions' title are in
// platform/PlatformTexts.h.
namespace ShellTexts {
inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kSessionEndQuestion = QStringLiteral("Are you sure you want to exit HVN?");

// Starting the program at login: the About window's switch, the autostart entry's
// comment, and halvoran --autostart.
inline const QString kAutostartCaption = QStringLiteral("Start Halvoran when I log in");
inline const QString kAutostartComment = QStringLiteral("Switch programming tools in the notification area");
inline const QString kAutostartOn = QStringLiteral("halvoran: Halvoran now starts when you log in (%1).");
inline const QString kAutostartOff = QStringLiteral("halvoran: Halvoran no longer starts when you log in.");
inline const QString kAutostartUsage = QStringLiteral("halvoran: --autostart takes on or off, not '%1'.");
inline const QString kAutostartFailed = QStringLiteral("halvoran: the autostart entry was not changed: %1");

// A second start that finds a program which does not answer.
inline const QString kAlreadyRunning =
    QStringLiteral("halvoran: Halvoran is already running, but it does not answer. Try again in a moment.");

// The quit question of the launcher's EXIT entry.
QString quitQuestion();
// The caption of launcher entry 0..4.
QString entryCaption(int entry);
// Under the program's name in the launcher's header.
inline const QString kLauncherSubtitle = QStringLiteral("Switch programming tools");

// Splash: "Version : 8.1", CR LF, our notice line.
QString splashLabel();

inline const QString kAboutCaption = QStringLiteral("ABOUT H.V.N");
inline const QString kBuildCaption = QStringLiteral("Build : ");
// What the About window adds to its build caption: major.minor and the revision,
// "8.1 (SP 8)".
QString buildSuffix();
QString aboutNotice();
// The tip of the window-wide close area, and the hint painted under the logo.
inline const QString kAboutCloseTip = QStringLiteral("Click to close");
inline const QString kAboutCloseHint = QStringLiteral("click to close");

// The help window: its caption for each assigner, its close image and texts.
inline const QString kNameAssignerHelpCaption = QStringLiteral("NAME ASSIGNER - HELP");
inline const QString kSpeedDialerHelpCaption = QStringLiteral("SPEED DIALER - HELP");
inline const QString kHelpCloseTip = QStringLiteral("Close");
inline const QString kHelpFeaturesText =
    QStringLiteral("Use the Reset button to Clear all data and start again.  The Compile Now Button generates the "
                   "script for you, The Print Button allows you to print all data.");
inline const QString kHelpBrowseText =
    QStringLiteral("This allows you to browse your PC for Files To Import or Export into HVN");

// The help window's picture of the Name Assigner: the column captions and sample
// rows of its input grid (its other captions are the assigners' own).
inline const QString kPictureExtensionColumn = QStringLiteral("EXTENSION");
inline const QString kPictureNameColumn = QStringLiteral("NAME");
inline const QList<QStringList> kPictureRows{{QStringLiteral("2001"), QStringLiteral("RECEPTION")},
                                             {QStringLiteral("2002"), QStringLiteral("SALES DESK")},
                                             {QStringLiteral("2003"), QStringLiteral("J SMITH")},
                                             {QStringLiteral("2004"), QStringLiteral("WORKSHOP")},
                                             {QStringLiteral("2005"), QStringLiteral("SITE OFFICE")}};
} // namespace ShellTexts

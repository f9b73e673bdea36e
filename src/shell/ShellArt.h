#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;

// The shell's pictures and colours, all drawn here: the program's logo and icon,
// the launcher entries' icons and the close image.
namespace ShellArt {
inline const QColor kPanel{0x17, 0x21, 0x2b};
inline const QColor kPanelBorder{0x2f, 0x43, 0x56};
inline const QColor kHeaderTop{0x1e, 0x88, 0xe5};
inline const QColor kHeaderBottom{0x0b, 0x4f, 0x9c};
inline const QColor kHighlightTop{0x35, 0x8f, 0xe6};
inline const QColor kHighlightBottom{0x1f, 0x6f, 0xc4};
inline const QColor kCaption{0xe8, 0xee, 0xf5};
inline const QColor kCaptionDisabled{0x5d, 0x6d, 0x7e};
inline const QColor kSubtitle{0xbb, 0xde, 0xfb};

// A transparent pixmap of `size` logical pixels, sharp on the screen's pixel ratio.
QPixmap blankPixmap(QSize size);
// The light page behind the About and help windows' content.
void paintPage(QPainter &painter, const QRect &area);

// The logo (a rounded tile with an H and a signal) at `size` logical pixels.
QPixmap logo(int size);
// The program's icon: the logo at the sizes desktops ask for.
QIcon appIcon();
// Launcher entry 0..4; a disabled entry's icon is greyed.
QPixmap entryIcon(int entry, int size, bool enabled);
// A round close button.
QPixmap closeImage(int size);
} // namespace ShellArt

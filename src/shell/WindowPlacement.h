#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Puts a window of fixed size in the middle of the primary screen, where the
// shell's windows appear whatever the desktop's own placement.
inline void CentreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

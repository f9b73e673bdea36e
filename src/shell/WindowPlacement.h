#pragma once

#include "shell/WindowFit.h"

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

// Opens a window at its preferred size within the work area of the primary screen
// (WindowFit), its layout's minimum kept.
inline void FitToScreen(QWidget *window, QSize preferred)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(
            WindowFit::FittedGeometry(preferred, window->minimumSizeHint(), screen->availableGeometry()));
    else
        window->resize(preferred);
}

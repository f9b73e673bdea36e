#include "shell/ToolWindows.h"

#include <utility>

static bool validEntry(int entry)
{
    return entry >= 0 && entry < ToolWindows::kCount;
}

ToolWindows::~ToolWindows()
{
    for (QPointer<QWidget> &window : m_windows)
        delete window.data();
}

void ToolWindows::setFactory(int entry, Factory factory)
{
    if (validEntry(entry))
        m_factories[entry] = std::move(factory);
}

bool ToolWindows::has(int entry) const
{
    return validEntry(entry) && bool(m_factories[entry]);
}

QWidget *ToolWindows::window(int entry) const
{
    return validEntry(entry) ? m_windows[entry].data() : nullptr;
}

bool ToolWindows::closeAll()
{
    bool closed = true;
    for (QPointer<QWidget> &window : m_windows)
        if (window && !window->close())
            closed = false;
    return closed;
}

QWidget *ToolWindows::open(int entry)
{
    if (!has(entry))
        return nullptr;
    QPointer<QWidget> &window = m_windows[entry];
    if (!window) {
        window = m_factories[entry]();
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

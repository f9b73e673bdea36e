#pragma once

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

// The tool windows the launcher opens (entries 0 to 2). Each tool registers a
// factory; an entry without one is shown disabled. A tool window is created on
// first use and exists at most once: opening it again brings the same window
// forward with its data as it was. The windows delete themselves when closed, so
// the next opening starts afresh.
class ToolWindows {
public:
    using Factory = std::function<QWidget *()>;
    static constexpr int kCount = 3;

    ToolWindows() = default;
    // Open tool windows go with the program, without their closing logic.
    ~ToolWindows();
    ToolWindows(const ToolWindows &) = delete;
    ToolWindows &operator=(const ToolWindows &) = delete;

    void setFactory(int entry, Factory factory);
    bool has(int entry) const;

    // Shows the tool's window, creating it first when it is not open; nullptr when
    // the entry has no tool.
    QWidget *open(int entry);
    // The tool's open window, or nullptr.
    QWidget *window(int entry) const;
    // Closes every open tool window as the user's close would, each asking about
    // its own unsaved changes; false when one of them stayed open.
    bool closeAll();

private:
    std::array<Factory, kCount> m_factories;
    std::array<QPointer<QWidget>, kCount> m_windows;
};

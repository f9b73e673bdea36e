#pragma once

#include "shell/LauncherState.h"

#include <array>

// Runs the launcher's three timers on a virtual clock, the way the window's timers
// run them: a timer ticks one interval after it was enabled and then every interval
// while it stays enabled. Call sync() after every event given to the state.
class LauncherClock {
public:
    explicit LauncherClock(LauncherState &state) : m_state(state) { sync(); }

    int now() const { return m_now; }

    void sync()
    {
        for (Timer &timer : m_timers) {
            const bool enabled = (m_state.*timer.enabled)();
            if (!enabled)
                timer.due = -1;
            else if (timer.due < 0)
                timer.due = m_now + timer.interval;
        }
    }

    // Moves the clock on by `ms`, one millisecond at a time, ticking what is due.
    void advance(int ms)
    {
        for (int step = 0; step < ms; ++step) {
            ++m_now;
            for (Timer &timer : m_timers) {
                if (timer.due != m_now)
                    continue;
                (m_state.*timer.tick)();
                timer.due = -1;
                sync();
            }
        }
    }

    // Moves on until `condition` holds; false when it does not within `limitMs`.
    template <typename Condition>
    bool advanceUntil(Condition condition, int limitMs)
    {
        for (int step = 0; step < limitMs && !condition(); ++step)
            advance(1);
        return condition();
    }

private:
    struct Timer {
        bool (LauncherState::*enabled)() const;
        void (LauncherState::*tick)();
        int interval;
        int due = -1;
    };

    LauncherState &m_state;
    int m_now = 0;
    std::array<Timer, 3> m_timers{{
        {&LauncherState::slideUpEnabled, &LauncherState::tickSlideUp, LauncherState::kSlideIntervalMs},
        {&LauncherState::slideDownEnabled, &LauncherState::tickSlideDown, LauncherState::kSlideIntervalMs},
        {&LauncherState::inactivityEnabled, &LauncherState::tickInactivity, LauncherState::kInactivityIntervalMs},
    }};
};

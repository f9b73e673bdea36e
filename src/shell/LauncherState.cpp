#include "shell/LauncherState.h"

void LauncherState::touch(const LauncherGeometry &geometry)
{
    if (!m_loaded)
        load(geometry);
    if (m_launcherUp && m_launcherArmed)
        startSlideDown();
}

void LauncherState::load(const LauncherGeometry &geometry)
{
    m_geometry = geometry;
    m_loaded = true;
    // Just below the visible screen, flush with its right edge.
    m_top = geometry.screenHeight;
    m_left = geometry.screenWidth - geometry.panelWidth;
    m_launcherArmed = false;
    m_slideUp = true;
    m_slideDown = false;
    m_inactivity = false;
    m_topmost = false;
    m_lit = -1;
    if (m_docked) {
        m_top = restingTop();
        m_slideUp = false;
        m_launcherUp = true;
    }
}

void LauncherState::unload()
{
    m_loaded = false;
    m_launcherUp = false;
    m_slideUp = m_slideDown = m_inactivity = false;
    m_topmost = false;
}

int LauncherState::restingTop() const
{
    return m_geometry.screenHeight - m_geometry.panelHeight - kRestMargin;
}

void LauncherState::tickSlideUp()
{
    if (!m_loaded || !m_slideUp)
        return;
    m_top -= kSlideStep;
    if (restingTop() >= m_top) {
        m_slideUp = false;
        m_launcherUp = true;
        m_topmost = true;
    }
}

void LauncherState::tickSlideDown()
{
    if (!m_loaded || !m_slideDown)
        return;
    m_top += kSlideStep;
    if (m_top > m_geometry.screenHeight)
        unload();
}

void LauncherState::tickInactivity()
{
    if (!m_loaded || !m_inactivity)
        return;
    if (!m_hoverChanged) {
        m_inactivity = false;
        startSlideDown();
    }
    m_hoverChanged = false;
}

void LauncherState::pointerOverEntry(int entry, int x, int y, bool selectable)
{
    if (!m_loaded || entry < 0 || entry >= kEntryCount)
        return;
    if (m_launcherArmed) {
        if (entry == 0 && y <= kTopEdge)
            startSlideDown();
        if (x >= kSideEdge || x <= 0)
            startSlideDown();
    }
    if (!selectable || entry == m_highlightIndex)
        return;
    m_lit = entry;
    m_highlightIndex = entry;
    m_inactivity = true;
    m_hoverChanged = true;
    m_launcherArmed = true;
}

void LauncherState::pointerOverHeader()
{
    if (m_loaded)
        startSlideDown();
}

void LauncherState::focusLost()
{
    if (m_loaded)
        startSlideDown();
}

void LauncherState::entryOpened()
{
    if (m_loaded)
        startSlideDown();
}

void LauncherState::stepHighlight(int step, const bool (&selectable)[kEntryCount])
{
    if (!m_loaded || step == 0)
        return;
    int entry = m_lit >= 0 ? m_lit : (step > 0 ? -1 : kEntryCount);
    for (int tried = 0; tried < kEntryCount; ++tried) {
        entry = ((entry + step) % kEntryCount + kEntryCount) % kEntryCount;
        if (!selectable[entry])
            continue;
        m_lit = entry;
        m_highlightIndex = entry;
        m_inactivity = true;
        m_hoverChanged = true;
        m_launcherArmed = true;
        return;
    }
}

void LauncherState::escape()
{
    if (m_loaded)
        startSlideDown();
}

void LauncherState::startSlideDown()
{
    if (m_docked)
        return;
    // Sliding down wins over a slide up still under way; both at once would hold
    // the panel half risen for ever.
    m_slideUp = false;
    m_slideDown = true;
}

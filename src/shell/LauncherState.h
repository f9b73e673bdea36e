#pragma once

// The launcher panel's behaviour without its window: where it stands, which of its
// three timers run, which entry is lit, and the flags it shares with the tray icon.
// The launcher window owns the real timers and calls the tick and event methods;
// tests call them step by step. All lengths are twips, relative to the screen's
// top-left corner.

struct LauncherGeometry {
    int screenWidth = 0;
    int screenHeight = 0;
    int panelWidth = 0;
    int panelHeight = 0;
};

enum class LauncherEntry { NameAssigner = 0, SpeedDialer = 1, VersionSix = 2, About = 3, Exit = 4 };

class LauncherState {
public:
    static constexpr int kEntryCount = 5;
    static constexpr int kSlideStep = 200;             // twips per slide tick
    static constexpr int kRestMargin = 351;            // between the resting panel and the screen's bottom
    static constexpr int kSlideIntervalMs = 15;        // Timer1 and Timer2
    static constexpr int kInactivityIntervalMs = 2000; // Timer3
    static constexpr int kTopEdge = 120;               // entry 0: pointer this close to its top leaves upwards
    static constexpr int kSideEdge = 3345;             // pointer this far right on an entry leaves sideways

    // Without a notification area the launcher is the only way into the program:
    // an ordinary window that stands at once, is never kept above the others, and
    // that nothing slides away.
    void setDocked(bool docked) { m_docked = docked; }
    bool docked() const { return m_docked; }

    // A contact with the tray icon: loads the launcher when it is not loaded; a
    // risen launcher that the pointer has visited slides down.
    void touch(const LauncherGeometry &geometry);
    void load(const LauncherGeometry &geometry);
    void unload();

    void tickSlideUp();    // Timer1
    void tickSlideDown();  // Timer2
    void tickInactivity(); // Timer3

    // The pointer moved over entry image `entry` at (x, y) relative to the image.
    // An entry that is not selectable (its tool is missing) only applies the rules
    // for leaving the panel; it neither lights up nor arms the launcher.
    void pointerOverEntry(int entry, int x, int y, bool selectable = true);
    void pointerOverHeader();
    void focusLost();
    // An entry opened its window (tools and About): the launcher slides away.
    void entryOpened();
    // The keyboard: Up, Down and Tab move the highlight as the pointer does, to the
    // next selectable entry (from the first or last when none is lit), round the
    // ends; Escape sends the launcher away.
    void stepHighlight(int step, const bool (&selectable)[kEntryCount]);
    void escape();

    // Program-wide flags shared with the tray icon.
    bool launcherUp() const { return m_launcherUp; }
    bool launcherArmed() const { return m_launcherArmed; }
    // Kept for the whole run; unloading the launcher keeps them.
    int highlightIndex() const { return m_highlightIndex; }
    bool hoverChanged() const { return m_hoverChanged; }

    bool loaded() const { return m_loaded; }
    int top() const { return m_top; }
    int left() const { return m_left; }
    const LauncherGeometry &geometry() const { return m_geometry; }
    bool slideUpEnabled() const { return m_slideUp; }
    bool slideDownEnabled() const { return m_slideDown; }
    bool inactivityEnabled() const { return m_inactivity; }
    bool topmost() const { return m_topmost; }
    // The entry whose highlight bar is opaque, -1 when every bar is transparent.
    int litEntry() const { return m_lit; }

private:
    void startSlideDown();
    int restingTop() const;

    bool m_docked = false;
    bool m_launcherUp = false;
    bool m_launcherArmed = false;
    int m_highlightIndex = 0;
    bool m_hoverChanged = false;

    bool m_loaded = false;
    LauncherGeometry m_geometry;
    int m_top = 0;
    int m_left = 0;
    bool m_slideUp = false;
    bool m_slideDown = false;
    bool m_inactivity = false;
    bool m_topmost = false;
    int m_lit = -1;
};

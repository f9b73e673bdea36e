#pragma once

#include "shell/LauncherState.h"

#include <QTimer>
#include <QWidget>

#include <array>

class LauncherEntryImage;
class LauncherHeader;

// The launcher panel (Form6): a frameless panel that slides up from the bottom-right
// corner of the screen. Its three timers drive the LauncherState; after each event
// the window moves to where the state says and lights the entry it names. Without
// a notification area (docked) it is an ordinary window titled "Halvoran" that the
// user moves and minimises, and closing it asks the quit question. The keyboard
// moves the highlight, Return or Space opens the lit entry, Escape sends it away.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(LauncherState &state, QWidget *parent = nullptr);

    // A contact with the tray icon: loads and raises the panel, or sends a visited,
    // risen panel down again.
    void touch();
    // An entry opened its window: the panel slides away.
    void entryOpened();
    void setEntryAvailable(int entry, bool available);
    // Docked (no notification area) or a panel beside the tray icon; the state
    // follows, and a panel that was docked is put away until the icon is touched.
    void setDocked(bool docked);
    // A second start of the program: the launcher comes forward, un-minimised.
    void bringForward();
    LauncherEntryImage *entry(int index) const { return m_entries.at(index); }
    // The screen and the panel in twips.
    LauncherGeometry geometryInTwips() const;
    // Pixels of the panel's screen for a place in twips.
    QPoint pixelsFor(int leftTwips, int topTwips) const;

    // While a question of ours is open, the panel losing the focus to it does not
    // send it away.
    class QuestionGuard {
    public:
        explicit QuestionGuard(LauncherWindow *launcher);
        ~QuestionGuard();
        QuestionGuard(const QuestionGuard &) = delete;
        QuestionGuard &operator=(const QuestionGuard &) = delete;

    private:
        LauncherWindow *m_launcher;
    };

public slots:
    void tickSlideUp();
    void tickSlideDown();
    void tickInactivity();

signals:
    void entryClicked(int entry);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutPanel();
    void pointerOverEntry(int index, QPoint position);
    // Makes the window show what the state says: timers, place, lit bar, stacking.
    void follow();
    void setTopmost(bool topmost);
    void applyWindowKind();
    QScreen *panelScreen() const;

    LauncherState &m_state;
    qreal m_dpiX = 96;
    qreal m_dpiY = 96;
    QTimer m_slideUp;
    QTimer m_slideDown;
    QTimer m_inactivity;
    LauncherHeader *m_header = nullptr;
    std::array<LauncherEntryImage *, LauncherState::kEntryCount> m_entries{};
    bool m_wasActive = false;
    int m_openQuestions = 0;
    bool m_placed = false;
};

#pragma once

#include "shell/LauncherState.h"

#include <QTimer>
#include <QWidget>

#include <array>

class LauncherEntryImage;
class LauncherHeader;

// The launcher panel (Form6): a frameless panel that slides up from the bottom-right
// corner of the screen. Its three timers drive the LauncherState; after each event
// the window moves to where the state says and lights the entry it names.
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
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutPanel();
    void pointerOverEntry(int index, QPoint position);
    // Makes the window show what the state says: timers, place, lit bar, stacking.
    void follow();
    void setTopmost(bool topmost);
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
};

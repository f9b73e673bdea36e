#include "LauncherClock.h"
#include "shell/LauncherState.h"

#include <QtTest>

namespace {
// 1280 x 1024 pixels at 96 DPI, and a panel of 3390 x 4530 twips.
constexpr LauncherGeometry kScreen{19200, 15360, 3390, 4530};
// A point in the middle of an entry image, away from every edge.
constexpr int kMidX = 1500;
constexpr int kMidY = 300;

struct Launcher {
    LauncherState state;
    LauncherClock clock{state};

    void touch()
    {
        state.touch(kScreen);
        clock.sync();
    }
    void over(int entry, int x = kMidX, int y = kMidY, bool selectable = true)
    {
        state.pointerOverEntry(entry, x, y, selectable);
        clock.sync();
    }
    void overHeader()
    {
        state.pointerOverHeader();
        clock.sync();
    }
    bool rise()
    {
        touch();
        return clock.advanceUntil([this] { return state.launcherUp(); }, 2000);
    }
    bool fallAway()
    {
        overHeader();
        return clock.advanceUntil([this] { return !state.loaded(); }, 2000);
    }
};
} // namespace

class TestLauncherState : public QObject {
    Q_OBJECT
private slots:
    void keyboardMovesTheHighlight_data();
    void keyboardMovesTheHighlight();
    void slidesUpInSteps_data();
    void slidesUpInSteps();
    void slidesDownAndUnloads();
    void highlightRules_data();
    void highlightRules();
    void leavingThePanel_data();
    void leavingThePanel();
    void entryWithoutToolOnlyWatchesTheEdges();
    void closeTriggers_data();
    void closeTriggers();
    void closesTwoToFourSecondsAfterLastChange_data();
    void closesTwoToFourSecondsAfterLastChange();
    void trayContact_data();
    void trayContact();
    void slideDownWinsOverSlideUp();
};

void TestLauncherState::keyboardMovesTheHighlight_data()
{
    QTest::addColumn<QString>("keys");    // d: Down or Tab, u: Up or Backtab
    QTest::addColumn<QString>("missing"); // entries without a tool
    QTest::addColumn<int>("lit");
    QTest::newRow("nothing pressed") << ""
                                     << "" << -1;
    QTest::newRow("down from nothing: the first") << "d"
                                                  << "" << 0;
    QTest::newRow("up from nothing: the last") << "u"
                                               << "" << 4;
    QTest::newRow("down twice") << "dd"
                                << "" << 1;
    QTest::newRow("down past the end: round") << "dddddd"
                                              << "" << 0;
    QTest::newRow("up past the start: round") << "du"
                                              << "" << 4;
    QTest::newRow("entries without a tool are passed") << "dd"
                                                       << "12" << 3;
}

void TestLauncherState::keyboardMovesTheHighlight()
{
    QFETCH(QString, keys);
    QFETCH(QString, missing);
    QFETCH(int, lit);
    bool selectable[LauncherState::kEntryCount] = {true, true, true, true, true};
    for (QChar entry : missing)
        selectable[entry.digitValue()] = false;
    LauncherState state;
    state.load(kScreen);
    for (QChar key : keys)
        state.stepHighlight(key == QLatin1Char('d') ? 1 : -1, selectable);
    QCOMPARE(state.litEntry(), lit);
    // As the pointer does: the highlight arms the launcher and starts the inactivity timer.
    QCOMPARE(state.launcherArmed(), lit >= 0);
    QCOMPARE(state.inactivityEnabled(), lit >= 0);
    if (lit >= 0)
        QCOMPARE(state.highlightIndex(), lit);
    state.escape();
    QVERIFY(state.slideDownEnabled());
}

void TestLauncherState::slidesUpInSteps_data()
{
    QTest::addColumn<int>("panelHeight");
    QTest::addColumn<int>("ticks"); // ticks until the panel rests
    QTest::newRow("launcher panel") << 4530 << 25;
    QTest::newRow("rests exactly on the line") << 4449 << 24; // 15360 - 4449 - 351 = 15360 - 24 * 200
    QTest::newRow("one twip past the line") << 4450 << 25;
    QTest::newRow("tiny panel") << 0 << 2;
}

void TestLauncherState::slidesUpInSteps()
{
    QFETCH(int, panelHeight);
    QFETCH(int, ticks);
    const LauncherGeometry geometry{kScreen.screenWidth, kScreen.screenHeight, kScreen.panelWidth, panelHeight};
    LauncherState state;
    state.touch(geometry);
    QVERIFY(state.loaded());
    QCOMPARE(state.left(), 19200 - 3390);
    QCOMPARE(state.top(), 15360);
    QVERIFY(state.slideUpEnabled());
    QVERIFY(!state.slideDownEnabled());
    QVERIFY(!state.inactivityEnabled());
    for (int tick = 1; tick <= ticks; ++tick) {
        QVERIFY2(!state.launcherUp() && !state.topmost(), qPrintable(QString::number(tick)));
        state.tickSlideUp();
        QCOMPARE(state.top(), 15360 - 200 * tick);
    }
    QVERIFY(state.launcherUp());
    QVERIFY(state.topmost());
    QVERIFY(!state.slideUpEnabled());
    QVERIFY(!state.launcherArmed());
    state.tickSlideUp(); // a late tick of a stopped timer moves nothing
    QCOMPARE(state.top(), 15360 - 200 * ticks);
    QCOMPARE(state.left(), 19200 - 3390);
}

void TestLauncherState::slidesDownAndUnloads()
{
    Launcher launcher;
    QVERIFY(launcher.rise());
    QCOMPARE(launcher.clock.now(), 25 * 15);
    const int rest = launcher.state.top();
    launcher.overHeader();
    LauncherState &state = launcher.state;
    for (int tick = 1; tick <= 25; ++tick) {
        state.tickSlideDown();
        QCOMPARE(state.top(), rest + 200 * tick);
        QVERIFY(state.loaded());
    }
    QCOMPARE(state.top(), 15360); // at the screen's edge, not yet past it
    state.tickSlideDown();
    QVERIFY(!state.loaded());
    QVERIFY(!state.launcherUp());
    QVERIFY(!state.slideDownEnabled() && !state.slideUpEnabled() && !state.inactivityEnabled());
}

void TestLauncherState::highlightRules_data()
{
    // Pointer moves: a digit is the pointer over that entry; "|" closes the
    // launcher and raises it again.
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("lit");
    QTest::addColumn<bool>("armed");
    QTest::addColumn<int>("highlightIndex");
    QTest::newRow("entry 0 right after start") << "0" << -1 << false << 0;
    QTest::newRow("entry 0 then 1") << "01" << 1 << true << 1;
    QTest::newRow("back to entry 0") << "010" << 0 << true << 0;
    QTest::newRow("staying on an entry") << "222" << 2 << true << 2;
    QTest::newRow("last entry stays dark after re-rise") << "3|3" << -1 << false << 3;
    QTest::newRow("another entry lights after re-rise") << "3|4" << 4 << true << 4;
    QTest::newRow("and the last one once left") << "3|43" << 3 << true << 3;
    QTest::newRow("entry 0 stays dark after closing on it") << "10|0" << -1 << false << 0;
}

void TestLauncherState::highlightRules()
{
    QFETCH(QString, moves);
    QFETCH(int, lit);
    QFETCH(bool, armed);
    QFETCH(int, highlightIndex);
    Launcher launcher;
    QVERIFY(launcher.rise());
    for (QChar move : moves) {
        if (move == QLatin1Char('|')) {
            QVERIFY(launcher.fallAway());
            QVERIFY(launcher.rise());
        } else {
            launcher.over(move.digitValue());
        }
    }
    QCOMPARE(launcher.state.litEntry(), lit);
    QCOMPARE(launcher.state.launcherArmed(), armed);
    QCOMPARE(launcher.state.highlightIndex(), highlightIndex);
    QCOMPARE(launcher.state.inactivityEnabled(), armed);
    QVERIFY(!launcher.state.slideDownEnabled());
}

void TestLauncherState::leavingThePanel_data()
{
    QTest::addColumn<bool>("armed");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("slidesDown");
    QTest::newRow("over the top edge of entry 0") << true << 0 << kMidX << 120 << true;
    QTest::newRow("just below the top edge of entry 0") << true << 0 << kMidX << 121 << false;
    QTest::newRow("top of another entry") << true << 1 << kMidX << 0 << false;
    QTest::newRow("right edge") << true << 2 << 3345 << kMidY << true;
    QTest::newRow("just inside the right edge") << true << 2 << 3344 << kMidY << false;
    QTest::newRow("left edge") << true << 3 << 0 << kMidY << true;
    QTest::newRow("just inside the left edge") << true << 3 << 1 << kMidY << false;
    QTest::newRow("not armed: top edge of entry 0") << false << 0 << kMidX << 15 << false;
    QTest::newRow("not armed: right edge") << false << 1 << 3390 << kMidY << false;
    QTest::newRow("not armed: left edge") << false << 2 << 0 << kMidY << false;
}

void TestLauncherState::leavingThePanel()
{
    QFETCH(bool, armed);
    QFETCH(int, entry);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, slidesDown);
    Launcher launcher;
    QVERIFY(launcher.rise());
    if (armed)
        launcher.over(4);
    QCOMPARE(launcher.state.launcherArmed(), armed);
    launcher.over(entry, x, y);
    QCOMPARE(launcher.state.slideDownEnabled(), slidesDown);
}

void TestLauncherState::entryWithoutToolOnlyWatchesTheEdges()
{
    Launcher launcher;
    QVERIFY(launcher.rise());
    launcher.over(1, kMidX, kMidY, false);
    QCOMPARE(launcher.state.litEntry(), -1);
    QVERIFY(!launcher.state.launcherArmed());
    QVERIFY(!launcher.state.inactivityEnabled());

    launcher.over(3);
    launcher.over(1, kMidX, kMidY, false);
    QCOMPARE(launcher.state.litEntry(), 3); // the last lit entry stays lit
    QCOMPARE(launcher.state.highlightIndex(), 3);
    QVERIFY(!launcher.state.slideDownEnabled());
    launcher.over(1, 3350, kMidY, false);
    QVERIFY(launcher.state.slideDownEnabled());
}

void TestLauncherState::closeTriggers_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("docked");
    for (const char *trigger : {"header", "focus lost", "entry opened", "inactivity", "left sideways"}) {
        QTest::addRow("%s", trigger) << QString::fromLatin1(trigger) << false;
        QTest::addRow("%s, docked", trigger) << QString::fromLatin1(trigger) << true;
    }
}

void TestLauncherState::closeTriggers()
{
    QFETCH(QString, trigger);
    QFETCH(bool, docked);
    Launcher launcher;
    launcher.state.setDocked(docked);
    QVERIFY(launcher.rise());
    launcher.over(2);
    if (trigger == QLatin1String("header"))
        launcher.state.pointerOverHeader();
    else if (trigger == QLatin1String("focus lost"))
        launcher.state.focusLost();
    else if (trigger == QLatin1String("entry opened"))
        launcher.state.entryOpened();
    else if (trigger == QLatin1String("left sideways"))
        launcher.state.pointerOverEntry(2, 0, kMidY);
    launcher.clock.sync();
    launcher.clock.advance(trigger == QLatin1String("inactivity") ? 5000 : 1000);
    // Docked, the launcher is the program's only door and never leaves.
    QCOMPARE(launcher.state.loaded(), docked);
    QCOMPARE(launcher.state.launcherUp(), docked);
}

void TestLauncherState::closesTwoToFourSecondsAfterLastChange_data()
{
    // Highlight changes as "ms:entry", ms counted from the first change (which
    // starts the inactivity timer); the slide down starts on one of its ticks.
    QTest::addColumn<QString>("changes");
    QTest::addColumn<int>("closesAt");
    QTest::newRow("one change") << "0:1" << 4000;
    QTest::newRow("change just before a tick") << "0:1 1999:2" << 4000;
    QTest::newRow("change just after a tick") << "0:1 2000:2" << 6000;
    QTest::newRow("resting on one entry is no change") << "0:1 1000:1 3000:1" << 4000;
    QTest::newRow("moving on for a while") << "0:1 500:2 2500:3 4100:2" << 8000;
    QTest::newRow("moving to entry 0 and back") << "0:1 3999:0 4001:1" << 8000;
}

void TestLauncherState::closesTwoToFourSecondsAfterLastChange()
{
    QFETCH(QString, changes);
    QFETCH(int, closesAt);
    Launcher launcher;
    QVERIFY(launcher.rise());
    const int start = launcher.clock.now();
    int lastChange = start;
    int lit = launcher.state.highlightIndex();
    for (const QString &change : changes.split(QLatin1Char(' '))) {
        const int at = start + change.section(QLatin1Char(':'), 0, 0).toInt();
        const int entry = change.section(QLatin1Char(':'), 1, 1).toInt();
        launcher.clock.advance(at - launcher.clock.now());
        QVERIFY2(!launcher.state.slideDownEnabled(), qPrintable(change));
        launcher.over(entry);
        if (entry != lit)
            lastChange = at;
        lit = entry;
    }
    QVERIFY(launcher.clock.advanceUntil([&] { return launcher.state.slideDownEnabled(); }, 10000));
    const int closed = launcher.clock.now();
    QCOMPARE(closed - start, closesAt);
    QVERIFY(closed - lastChange >= 2000 && closed - lastChange <= 4000);
    QVERIFY(!launcher.state.inactivityEnabled());
}

void TestLauncherState::trayContact_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("slidesDown");
    QTest::newRow("sliding up") << "sliding up" << false;
    QTest::newRow("armed while sliding up") << "armed sliding up" << false;
    QTest::newRow("up, not armed") << "up" << false;
    QTest::newRow("up and armed") << "up armed" << true;
    QTest::newRow("sliding down") << "sliding down" << true;
}

void TestLauncherState::trayContact()
{
    QFETCH(QString, before);
    QFETCH(bool, slidesDown);
    Launcher launcher;
    LauncherState &state = launcher.state;
    launcher.touch();
    launcher.clock.advance(5 * 15);
    if (before.contains(QLatin1String("armed")) && !before.startsWith(QLatin1String("up")))
        launcher.over(1);
    if (before.startsWith(QLatin1String("up")) || before == QLatin1String("sliding down"))
        QVERIFY(launcher.clock.advanceUntil([&] { return state.launcherUp(); }, 1000));
    if (before == QLatin1String("up armed"))
        launcher.over(2);
    if (before == QLatin1String("sliding down")) {
        launcher.overHeader();
        launcher.clock.advance(3 * 15);
    }
    const int top = state.top();
    const bool slidingUp = state.slideUpEnabled();

    launcher.touch();
    QCOMPARE(state.top(), top); // a contact never moves the panel itself
    QCOMPARE(state.slideDownEnabled(), slidesDown);
    QCOMPARE(state.slideUpEnabled(), slidingUp);
    QVERIFY(state.loaded());
}

void TestLauncherState::slideDownWinsOverSlideUp()
{
    // The pointer meets the header while the panel is still rising: it goes down
    // at once instead of hanging half risen with both slides running.
    Launcher launcher;
    launcher.touch();
    launcher.clock.advance(6 * 15);
    QCOMPARE(launcher.state.top(), 15360 - 6 * 200);
    launcher.overHeader();
    QVERIFY(!launcher.state.slideUpEnabled());
    launcher.clock.advance(15);
    QCOMPARE(launcher.state.top(), 15360 - 5 * 200);
    QVERIFY(launcher.clock.advanceUntil([&] { return !launcher.state.loaded(); }, 1000));
    QCOMPARE(launcher.clock.now(), 6 * 15 + 7 * 15);
    QVERIFY(!launcher.state.launcherUp());
}

QTEST_APPLESS_MAIN(TestLauncherState)
#include "test_launcher_state.moc"

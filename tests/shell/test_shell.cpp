#include "FakeTray.h"
#include "platform/AppPaths.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/LauncherParts.h"
#include "shell/LauncherWindow.h"
#include "shell/Shell.h"
#include "shell/ShellTexts.h"
#include "shell/SplashWindow.h"
#include "shell/ToolWindows.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

namespace {
const QString kQuitQuestion =
    QStringLiteral("You are about to QUIT H.V.N?\r\nIf you quit the menu icon will be removed from your taskbar!\r\n"
                   "Are you sure you want to continue?");

// A tool window that counts the times its closing logic runs; with stays set it
// keeps itself open, as a tool does after Yes to its own question.
class DummyTool : public QWidget {
public:
    DummyTool(int *closes, const bool *stays) : editor(new QLineEdit(this)), m_closes(closes), m_stays(stays) {}
    QLineEdit *editor;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++*m_closes;
        if (*m_stays)
            event->ignore();
        else
            QWidget::closeEvent(event);
    }

private:
    int *m_closes;
    const bool *m_stays;
};

// A prompter whose message box takes the focus, as a real one does.
class FocusTakingPrompter : public ScriptedPrompter {
protected:
    Answer showMessage(const Message &message) override
    {
        QWidget box;
        box.show();
        box.activateWindow();
        if (!QTest::qWaitForWindowActive(&box))
            qWarning("the message box stand-in did not become active");
        return ScriptedPrompter::showMessage(message);
    }
};

template <typename Prompter = ScriptedPrompter>
struct Rig {
    explicit Rig(bool trayAvailable = true) : tray(trayAvailable) {}

    TestHome home;
    Prompter prompter;
    FakeTray tray;
    ToolWindows tools;
    int ends = 0;
    int made = 0;
    int closes = 0;
    bool toolsStay = false;
    Shell shell{tray, prompter, tools, [this] { ++ends; }};

    void registerTool(int entry)
    {
        tools.setFactory(entry, [this] {
            ++made;
            return new DummyTool(&closes, &toolsStay);
        });
    }
    LauncherState &state() { return shell.launcherState(); }
    LauncherWindow *launcher() { return shell.launcher(); }
    QTimer *timer(const char *name) { return launcher()->template findChild<QTimer *>(QString::fromLatin1(name)); }
    HighlightBar *bar(int entry)
    {
        return launcher()->template findChild<HighlightBar *>(QStringLiteral("Label2(%1)").arg(entry));
    }

    // Touches the tray icon and steps the slide until the panel rests.
    LauncherWindow *rise()
    {
        tray.touch();
        for (int tick = 0; tick < 100 && !state().launcherUp(); ++tick)
            launcher()->tickSlideUp();
        // The pointer starts on the panel's bottom margin, away from every entry
        // (and away from where an earlier test left it).
        QTest::mouseMove(launcher()->windowHandle(), QPoint(launcher()->width() / 2, launcher()->height() - 2));
        return launcher();
    }
    void fallAway()
    {
        for (int tick = 0; tick < 100 && state().loaded(); ++tick)
            launcher()->tickSlideDown();
    }
    // The pointer goes to the panel's window, which finds the entry under it.
    void hover(int entry, QPoint at = QPoint(-1, -1))
    {
        QWidget *image = launcher()->entry(entry);
        QTest::mouseMove(launcher()->windowHandle(),
                         image->mapTo(launcher(), at.x() < 0 ? image->rect().center() : at));
    }
    void click(int entry)
    {
        QWidget *image = launcher()->entry(entry);
        QTest::mouseClick(launcher()->windowHandle(), Qt::LeftButton, {},
                          image->mapTo(launcher(), image->rect().center()));
    }
};
} // namespace

// Rows for a Yes/No question: column "yes".
void addAnswerRows()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startUp_data();
    void startUp();
    void withoutNotificationAreaTheLauncherStays();
    void trayContactRaisesTheLauncher();
    void launcherKeys();
    void entriesWithoutToolAreDisabled();
    void highlightFollowsThePointer();
    void secondTrayContactClosesAnArmedLauncher();
    void toolWindowOpenedTwiceIsTheSameWindow();
    void aboutWindow();
    void quitQuestion_data();
    void quitQuestion();
    void quitQuestionKeepsTheLauncherWhileOpen();
    void losingTheFocusSendsTheLauncherAway();
    void sessionEnd_data();
    void sessionEnd();
    void helpWindow();
};

static QtMessageHandler s_testHandler = nullptr;

void TestShell::initTestCase()
{
    // The offscreen platform cannot restack windows and says so at every raise().
    s_testHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (text != QLatin1String("This plugin does not support raise()"))
            s_testHandler(type, context, text);
    });
}

void TestShell::startUp_data()
{
    QTest::addColumn<QString>("scriptsBefore");
    QTest::newRow("first start") << "none";
    QTest::newRow("folder already there") << "folder";
    QTest::newRow("a file in the way") << "file";
}

void TestShell::startUp()
{
    QFETCH(QString, scriptsBefore);
    Rig<> rig;
    const QString scripts = AppPaths::scriptsPath();
    if (scriptsBefore == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(scripts));
    if (scriptsBefore == QLatin1String("file"))
        QVERIFY(WriteBytes(scripts, "not a folder"));

    rig.shell.start();
    SplashWindow *splash = rig.shell.splash();
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(splash->objectName(), QStringLiteral("Form3"));
    const QStringList lines =
        splash->findChild<QLabel *>(QStringLiteral("Label2"))->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Version : 8.1"));
    QVERIFY(!lines[1].trimmed().isEmpty());
    QCOMPARE(splash->timer()->interval(), 2000);
    QVERIFY(splash->timer()->isActive());
    QVERIFY(!rig.tray.shown()); // nothing else runs before the splash's time is up

    emit splash->timeUp();
    QVERIFY(rig.tray.shown());
    QCOMPARE(rig.tray.tip, QStringLiteral("Halvoran"));
    QCOMPARE(rig.tray.adds, 1);
    QCOMPARE(QFileInfo(scripts).isDir(), scriptsBefore != QLatin1String("file"));
    QTRY_VERIFY(!rig.shell.splash());
    QVERIFY(!rig.launcher()); // without a contact the launcher never shows
}

void TestShell::withoutNotificationAreaTheLauncherStays()
{
    Rig<> rig(false);
    rig.shell.loadTrayWindow();
    QCOMPARE(rig.tray.adds, 0);
    QVERIFY(rig.shell.docked());
    LauncherWindow *launcher = rig.launcher();
    QVERIFY(launcher && launcher->isVisible());
    // An ordinary window: framed, movable, minimisable, never kept above the tools.
    QCOMPARE(launcher->windowTitle(), QStringLiteral("Halvoran"));
    const Qt::WindowFlags flags = launcher->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    for (Qt::WindowType unwanted : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::X11BypassWindowManagerHint})
        QVERIFY(!flags.testFlag(unwanted));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(rig.state().launcherUp());
    QVERIFY(!rig.timer("Timer1")->isActive());
    QVERIFY(launcher->screen()->availableGeometry().contains(launcher->frameGeometry()));

    QTest::mouseMove(launcher->template findChild<QWidget *>(QStringLiteral("Image2")), QPoint(20, 20));
    rig.hover(1);
    rig.hover(2, QPoint(0, 10)); // leaving sideways
    rig.click(3);                // ABOUT
    rig.state().tickInactivity();
    rig.state().tickInactivity();
    QVERIFY(!rig.state().slideDownEnabled());
    QVERIFY(!rig.timer("Timer2")->isActive());
    QVERIFY(launcher->isVisible());
    rig.shell.about()->close();

    // Closing the window is the EXIT entry: its question, and No keeps the program.
    rig.prompter.queueNo();
    launcher->close();
    QCOMPARE(rig.prompter.messages.value(0).title, QStringLiteral("Check User Action"));
    QVERIFY(launcher->isVisible());
    QCOMPARE(rig.ends, 0);

    // A notification area that appears later takes the icon; the launcher is the
    // sliding panel again.
    rig.tray.setAvailable(true);
    QTRY_COMPARE_WITH_TIMEOUT(rig.tray.adds, 1, 5000);
    QVERIFY(!rig.shell.docked());
    QVERIFY(!launcher->isVisible());
    rig.rise();
    QVERIFY(launcher->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(launcher->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// Return opens the entry the keys lit; Escape sends the panel away.
void TestShell::launcherKeys()
{
    Rig<> rig;
    rig.registerTool(int(LauncherEntry::SpeedDialer));
    rig.shell.loadTrayWindow();
    LauncherWindow *launcher = rig.rise();
    // Entries without a tool (0 and 2 here) are passed over.
    QTest::keyClick(launcher, Qt::Key_Down);
    QTest::keyClick(launcher, Qt::Key_Tab);
    QVERIFY(rig.bar(3)->isLit());
    QTest::keyClick(launcher, Qt::Key_Up);
    QVERIFY(rig.bar(1)->isLit());
    QVERIFY(!rig.bar(0)->isLit());
    QTest::keyClick(launcher, Qt::Key_Return);
    QCOMPARE(rig.made, 1);
    QVERIFY(rig.tools.window(int(LauncherEntry::SpeedDialer))->isVisible());
    QVERIFY(rig.state().slideDownEnabled());
    rig.tools.window(int(LauncherEntry::SpeedDialer))->close();
    rig.fallAway();

    rig.rise();
    QVERIFY(!rig.state().slideDownEnabled());
    QTest::keyClick(launcher, Qt::Key_Escape);
    QVERIFY(rig.state().slideDownEnabled());
}

void TestShell::trayContactRaisesTheLauncher()
{
    Rig<> rig;
    rig.shell.loadTrayWindow();
    rig.tray.touch();
    LauncherWindow *launcher = rig.launcher();
    QVERIFY(launcher && launcher->isVisible());
    QCOMPARE(launcher->objectName(), QStringLiteral("Form6"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Just below the screen, flush with its right edge.
    QVERIFY(qAbs(launcher->geometry().right() - screen.right()) <= 1);
    QVERIFY(qAbs(launcher->y() - (screen.bottom() + 1)) <= 1);
    QCOMPARE(rig.timer("Timer1")->interval(), 15);
    QVERIFY(rig.timer("Timer1")->isActive());
    QVERIFY(!rig.timer("Timer2")->isActive());
    QVERIFY(!rig.timer("Timer3")->isActive());

    int previousY = launcher->y();
    while (!rig.state().launcherUp()) {
        QVERIFY(!launcher->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        launcher->tickSlideUp();
        QCOMPARE(launcher->pos(), launcher->pixelsFor(rig.state().left(), rig.state().top()));
        QVERIFY(launcher->y() < previousY);
        previousY = launcher->y();
    }
    QVERIFY(!rig.timer("Timer1")->isActive());
    QVERIFY(launcher->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(screen.contains(launcher->geometry()));
    for (int i = 0; i < LauncherState::kEntryCount; ++i)
        QVERIFY(!rig.bar(i)->isLit());
}

void TestShell::entriesWithoutToolAreDisabled()
{
    Rig<> rig;
    rig.registerTool(1);
    rig.shell.loadTrayWindow();
    LauncherWindow *launcher = rig.rise();
    const bool available[] = {false, true, false, true, true};
    for (int i = 0; i < LauncherState::kEntryCount; ++i)
        QCOMPARE(launcher->entry(i)->isAvailable(), available[i]);

    rig.hover(3);
    rig.hover(0);
    QVERIFY(rig.bar(3)->isLit()); // a disabled entry does not light
    QVERIFY(!rig.bar(0)->isLit());
    rig.click(0);
    QVERIFY(!rig.tools.window(0));
    QVERIFY(!rig.timer("Timer2")->isActive());
    QCOMPARE(rig.made, 0);
}

void TestShell::highlightFollowsThePointer()
{
    Rig<> rig;
    rig.registerTool(0);
    rig.registerTool(1);
    rig.shell.loadTrayWindow();
    rig.rise();
    rig.hover(0);
    QVERIFY(!rig.bar(0)->isLit()); // entry 0 is already the last highlighted at start
    QVERIFY(!rig.timer("Timer3")->isActive());
    rig.hover(1);
    for (int i = 0; i < LauncherState::kEntryCount; ++i)
        QCOMPARE(rig.bar(i)->isLit(), i == 1);
    QVERIFY(rig.timer("Timer3")->isActive());
    QCOMPARE(rig.timer("Timer3")->interval(), 2000);
    QVERIFY(!rig.timer("Timer2")->isActive());

    rig.hover(0, QPoint(40, 1)); // over the top edge of the first entry
    QVERIFY(rig.bar(0)->isLit());
    QVERIFY(rig.timer("Timer2")->isActive());
}

void TestShell::secondTrayContactClosesAnArmedLauncher()
{
    Rig<> rig;
    rig.registerTool(2);
    rig.shell.loadTrayWindow();
    rig.rise();
    rig.tray.touch();
    QVERIFY(!rig.timer("Timer2")->isActive()); // not yet visited
    rig.hover(2);
    rig.tray.touch();
    QVERIFY(rig.timer("Timer2")->isActive());
    rig.fallAway();
    QVERIFY(!rig.launcher()->isVisible());
    QVERIFY(!rig.state().launcherUp());

    rig.rise();
    QVERIFY(rig.launcher()->isVisible());
    rig.hover(2);
    QVERIFY(!rig.bar(2)->isLit()); // the last highlighted entry stays dark after a re-rise
    rig.tray.touch();
    QVERIFY(!rig.timer("Timer2")->isActive()); // not armed again yet
}

void TestShell::toolWindowOpenedTwiceIsTheSameWindow()
{
    Rig<> rig;
    rig.registerTool(0);
    rig.registerTool(1);
    rig.shell.loadTrayWindow();
    rig.rise();
    rig.click(0);
    auto *first = dynamic_cast<DummyTool *>(rig.tools.window(0));
    QVERIFY(first && first->isVisible());
    QVERIFY(rig.timer("Timer2")->isActive()); // the launcher slides away
    first->editor->setText(QStringLiteral("2001 RECEPTION"));

    rig.fallAway();
    rig.rise();
    rig.click(0);
    QCOMPARE(rig.tools.window(0), first);
    QCOMPARE(first->editor->text(), QStringLiteral("2001 RECEPTION"));
    QCOMPARE(rig.made, 1);

    rig.shell.chooseEntry(1); // several tools may be open together
    QVERIFY(rig.tools.window(1) && rig.tools.window(1) != first);
    QVERIFY(first->isVisible() && rig.tools.window(1)->isVisible());
    QCOMPARE(rig.made, 2);

    // A closed tool is gone; the next opening starts afresh.
    QPointer<QWidget> closed(first);
    first->close();
    QTRY_VERIFY(closed.isNull());
    rig.shell.chooseEntry(0);
    auto *second = dynamic_cast<DummyTool *>(rig.tools.window(0));
    QVERIFY(second);
    QVERIFY(second->editor->text().isEmpty());
    QCOMPARE(rig.made, 3);
}

void TestShell::aboutWindow()
{
    Rig<> rig;
    rig.shell.loadTrayWindow();
    rig.rise();
    rig.click(3);
    AboutWindow *about = rig.shell.about();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->objectName(), QStringLiteral("Form7"));
    QCOMPARE(about->windowTitle(), QStringLiteral("ABOUT H.V.N"));
    QCOMPARE(about->label(0)->text(), QStringLiteral("Halvoran"));
    QCOMPARE(about->label(1)->text(), QStringLiteral("Version 8.1"));
    QCOMPARE(about->label(2)->text(), QStringLiteral("Build : 8.1 (SP 8)"));
    QVERIFY(!about->label(3)->text().isEmpty());
    QVERIFY(rig.timer("Timer2")->isActive());
    rig.shell.chooseEntry(3);
    QCOMPARE(rig.shell.about(), about);

    // Its switch (above the closing cover) turns the login start on and off.
    qputenv("XDG_CONFIG_HOME", rig.home.file(QStringLiteral("config")).toUtf8());
    const QString entry = rig.home.file(QStringLiteral("config/autostart/org.halvoran.Halvoran.desktop"));
    QVERIFY(!about->autostart()->isChecked());
    QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, about->autostart()->geometry().center());
    QVERIFY(about->autostart()->isChecked());
    QVERIFY(ReadBytes(entry).contains("Exec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + '"'));
    about->autostart()->click();
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(rig.shell.about());
    qunsetenv("XDG_CONFIG_HOME");

    // A click anywhere, here on the version label, closes it.
    QTest::mouseClick(about->windowHandle(), Qt::LeftButton, {}, about->label(1)->geometry().center());
    QTRY_VERIFY(!rig.shell.about());
}

void TestShell::quitQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("stays"); // the open tool keeps itself open when closed
    QTest::newRow("no") << false << false;
    QTest::newRow("yes") << true << false;
    QTest::newRow("yes, the tool stays") << true << true;
}

void TestShell::quitQuestion()
{
    QFETCH(bool, yes);
    QFETCH(bool, stays);
    Rig<> rig;
    rig.toolsStay = stays;
    rig.registerTool(0);
    rig.shell.loadTrayWindow();
    rig.shell.chooseEntry(0);
    QWidget *tool = rig.tools.window(0);
    rig.rise();
    rig.hover(3);
    rig.hover(4);
    rig.prompter.queueAnswer(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
    rig.click(4);

    QCOMPARE(rig.prompter.messages.size(), 1);
    const Prompter::Message &question = rig.prompter.messages[0];
    QCOMPARE(question.text, kQuitQuestion);
    QCOMPARE(question.title, QStringLiteral("Check User Action"));
    QCOMPARE(question.buttons, Prompter::Buttons::YesNo);
    // After Yes each open tool closes as its own close does, asking about its
    // changes; one that stays open keeps the program.
    const bool ends = yes && !stays;
    QCOMPARE(rig.tray.shown(), !ends);
    QCOMPARE(rig.ends, ends ? 1 : 0);
    QCOMPARE(rig.closes, yes ? 1 : 0);
    QCOMPARE(rig.tools.window(0) == tool && tool->isVisible(), !ends);
    if (!yes) {
        QVERIFY(rig.launcher()->isVisible());
        QVERIFY(rig.state().launcherUp());
        QVERIFY(!rig.timer("Timer2")->isActive());
    }
}

void TestShell::quitQuestionKeepsTheLauncherWhileOpen()
{
    Rig<FocusTakingPrompter> rig;
    rig.shell.loadTrayWindow();
    LauncherWindow *launcher = rig.rise();
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    rig.hover(4);
    rig.prompter.queueNo();
    rig.click(4);
    QCOMPARE(rig.prompter.messages.size(), 1);
    QVERIFY(!rig.state().slideDownEnabled());
    QVERIFY(launcher->isVisible());
}

void TestShell::losingTheFocusSendsTheLauncherAway()
{
    Rig<> rig;
    rig.shell.loadTrayWindow();
    LauncherWindow *launcher = rig.rise();
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    QVERIFY(!rig.state().slideDownEnabled());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(rig.state().slideDownEnabled() || !rig.state().loaded());
}

void TestShell::sessionEnd_data()
{
    addAnswerRows();
}

void TestShell::sessionEnd()
{
    QFETCH(bool, yes);
    Rig<> rig;
    rig.shell.loadTrayWindow();
    rig.prompter.queueAnswer(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
    QCOMPARE(rig.shell.confirmSessionEnd(), yes);
    QCOMPARE(rig.prompter.messages.size(), 1);
    QCOMPARE(rig.prompter.messages[0].text, QStringLiteral("Are you sure you want to exit HVN?"));
    QCOMPARE(rig.prompter.messages[0].title, QStringLiteral("Check User Action"));
    QCOMPARE(rig.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
    QVERIFY(rig.tray.shown());
    QCOMPARE(rig.ends, 0); // the session manager ends the program, not the question
}

void TestShell::helpWindow()
{
    HelpWindow *help = ShowHelpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->objectName(), QStringLiteral("Form8"));
    QCOMPARE(help->windowTitle(), QStringLiteral("NAME ASSIGNER - HELP"));
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Use the Reset button to Clear all data and start again.  The Compile Now Button "
                            "generates the script for you, The Print Button allows you to print all data."));
    QCOMPARE(help->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             QStringLiteral("This allows you to browse your PC for Files To Import or Export into HVN"));
    QVERIFY(!help->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());

    QCOMPARE(ShowHelpWindow(ShellTexts::kSpeedDialerHelpCaption), help);
    QCOMPARE(help->windowTitle(), QStringLiteral("SPEED DIALER - HELP"));

    QLabel *close = help->findChild<QLabel *>(QStringLiteral("Image3"));
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
    QTRY_VERIFY(!OpenHelpWindow());
    help = ShowHelpWindow();
    QCOMPARE(help->windowTitle(), QStringLiteral("NAME ASSIGNER - HELP"));
    help->close();
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"

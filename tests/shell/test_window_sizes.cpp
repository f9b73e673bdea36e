// Every window on a small desktop (1280x720, less a task bar), the keys of the
// tool windows' buttons, Escape on About and Help, and message boxes as wide as
// their titles.
#include "assigner/AssignerForm.h"
#include "nameassign/NameAssignerWindow.h"
#include "platform/QtPrompter.h"
#include "shell/AboutWindow.h"
#include "shell/HelpWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/WindowFit.h"
#include "speeddial/SpeedDialAssignerWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/window/Version6Window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr int kTaskBar = 40;
using MakeWindow = std::function<QWidget *()>;
} // namespace
Q_DECLARE_METATYPE(MakeWindow)

class TestWindowSizes : public QObject {
    Q_OBJECT
private slots:
    void fittedGeometry_data();
    void fittedGeometry();
    void windowsFitASmallScreen_data();
    void windowsFitASmallScreen();
    void buttonKeysLeaveCaptions();
    void escapeCloses_data();
    void escapeCloses();
    void messageBoxShowsItsWholeTitle();
};

void TestWindowSizes::fittedGeometry_data()
{
    QTest::addColumn<QSize>("preferred");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("available");
    QTest::newRow("1366x768, task bar below") << QSize(1180, 760) << QSize(900, 500) << QRect(0, 0, 1366, 728);
    QTest::newRow("1280x720, panel above") << QSize(1120, 680) << QSize(900, 500) << QRect(0, 32, 1280, 688);
    QTest::newRow("a large screen keeps the size") << QSize(1180, 760) << QSize(900, 500) << QRect(0, 0, 1920, 1040);
    QTest::newRow("second screen") << QSize(1180, 760) << QSize(900, 500) << QRect(1920, 0, 1366, 728);
}

void TestWindowSizes::fittedGeometry()
{
    QFETCH(QSize, preferred);
    QFETCH(QSize, minimum);
    QFETCH(QRect, available);
    const QRect geometry = WindowFit::FittedGeometry(preferred, minimum, available);
    const QRect framed =
        geometry.adjusted(-WindowFit::kFrameWidth / 2, -(WindowFit::kFrameHeight - WindowFit::kFrameWidth / 2),
                          WindowFit::kFrameWidth / 2, WindowFit::kFrameWidth / 2);
    QVERIFY2(
        available.contains(framed),
        qPrintable(
            QStringLiteral("%1,%2 %3x%4").arg(framed.x()).arg(framed.y()).arg(framed.width()).arg(framed.height())));
    QVERIFY(geometry.width() >= minimum.width() && geometry.height() >= minimum.height());
    QCOMPARE(geometry.size(),
             preferred.boundedTo(
                 QSize(available.width() - WindowFit::kFrameWidth, available.height() - WindowFit::kFrameHeight)));
}

void TestWindowSizes::windowsFitASmallScreen_data()
{
    QTest::addColumn<MakeWindow>("make");
    const auto prompter = [] { return std::make_unique<ScriptedPrompter>(); };
    const auto printer = [] { return std::make_unique<RecordingPrinter>(); };
    QTest::newRow("Name Assigner") << MakeWindow([=] { return new NameAssignerWindow(prompter(), printer()); });
    QTest::newRow("Speed Dial Assigner") << MakeWindow(
        [=] { return new SpeedDialAssignerWindow(prompter(), printer()); });
    QTest::newRow("Version 8.1") << MakeWindow([=] { return new Version6Window(prompter(), printer()); });
    QTest::newRow("About") << MakeWindow([] { return new AboutWindow; });
    QTest::newRow("Help") << MakeWindow([] { return new HelpWindow; });
    QTest::newRow("launcher without a notification area") << MakeWindow([] {
        static LauncherState state;
        state.setDocked(true);
        auto *launcher = new LauncherWindow(state);
        launcher->touch();
        return launcher;
    });
}

void TestWindowSizes::windowsFitASmallScreen()
{
    QFETCH(MakeWindow, make);
    TestHome home;
    QPointer<QWidget> window = make();
    window->show();
    const QRect screen = window->screen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(1280, 720));
    QVERIFY(screen.contains(window->geometry()));
    // Usable below a task bar, with the window manager's frame around it.
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    QVERIFY2(minimum.width() <= 1280 - WindowFit::kFrameWidth
                 && minimum.height() <= 720 - kTaskBar - WindowFit::kFrameHeight,
             qPrintable(QStringLiteral("minimum %1x%2").arg(minimum.width()).arg(minimum.height())));
    window->hide();
    delete window;
}

// Alt with a letter of the caption for each button, the captions as they were;
// Return on a focused button presses it.
void TestWindowSizes::buttonKeysLeaveCaptions()
{
    TestHome home;
    auto printer = std::make_unique<RecordingPrinter>();
    RecordingPrinter *printed = printer.get();
    auto *window = new NameAssignerWindow(std::make_unique<ScriptedPrompter>(), std::move(printer));
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QSet<QString> keys;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QVERIFY(!button->text().contains(QLatin1Char('&')));
        if (button->text().contains(QRegularExpression(QStringLiteral("[A-Za-z0-9]")))) {
            const QString key = button->shortcut().toString();
            QVERIFY2(key.startsWith(QStringLiteral("Alt+")), qPrintable(button->text()));
            QVERIFY2(!keys.contains(key), qPrintable(key));
            keys.insert(key);
        }
    }
    QCOMPARE(window->form()->printButton()->text(), QStringLiteral("PRINT"));
    window->form()->printButton()->setFocus();
    QTest::keyClick(window->form()->printButton(), Qt::Key_Return);
    QTRY_COMPARE(printed->documents, 1);
    delete window;
}

void TestWindowSizes::escapeCloses_data()
{
    QTest::addColumn<MakeWindow>("make");
    QTest::newRow("About") << MakeWindow([] { return new AboutWindow; });
    QTest::newRow("Help") << MakeWindow([] { return new HelpWindow; });
}

void TestWindowSizes::escapeCloses()
{
    QFETCH(MakeWindow, make);
    QPointer<QWidget> window = make();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!window); // closed, and so deleted
}

void TestWindowSizes::messageBoxShowsItsWholeTitle()
{
    const QString title = QStringLiteral("Unable to communicate with Printer???");
    int width = 0;
    QTimer::singleShot(0, this, [&width] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            width = box->width();
            box->accept();
        }
    });
    QtPrompter prompter;
    prompter.message(QStringLiteral("x"), title);
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(title) + 100, qPrintable(QString::number(width)));
}

// The screen of a small desktop, before the application starts.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 720,
                    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestWindowSizes test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_sizes.moc"

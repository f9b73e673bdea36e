#include "platform/QtPrompter.h"
#include "platform/QtStatusBar.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

// The message boxes of the windows: the reason behind a message is the box's
// detailed text and stays on the window's status bar; the text is untouched.
class TestQtPrompter : public QObject {
    Q_OBJECT
private slots:
    void detailIsShownBesideTheText_data();
    void detailIsShownBesideTheText();
};

void TestQtPrompter::detailIsShownBesideTheText_data()
{
    QTest::addColumn<QString>("detail");
    QTest::newRow("with a reason") << "in.csv is too large (17 MB; at most 16 MB can be read).";
    QTest::newRow("without one") << "";
}

void TestQtPrompter::detailIsShownBesideTheText()
{
    QFETCH(QString, detail);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QLabel *panel = nullptr;
    layout->addWidget(NewToolStatusBar(&window, panel));
    panel->setText(QStringLiteral("Opening File in.csv"));
    window.show();

    QString text, detailed;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            detailed = box->detailedText();
            box->accept();
        }
    });
    QtPrompter prompter(&window);
    prompter.explain(QStringLiteral("UNABLE TO OPEN SPECIFIED FILE"), QStringLiteral("INCORRECT FILE FORMAT"),
                     Prompter::Icon::Critical, detail);
    QCOMPARE(text, QStringLiteral("UNABLE TO OPEN SPECIFIED FILE"));
    QCOMPARE(detailed, detail);
    QCOMPARE(window.findChild<QStatusBar *>()->currentMessage(), detail);
    QCOMPARE(panel->text(), QStringLiteral("Opening File in.csv"));
}

QTEST_MAIN(TestQtPrompter)
#include "test_qt_prompter.moc"

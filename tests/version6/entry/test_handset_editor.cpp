// Editing the handset grid as the window drives it: the two editors, Space,
// Auto Increase and "&Apply To Colum".
#include "support/ScriptedPrompter.h"
#include "support/TestHome.h"
#include "version6/AddRange.h"
#include "version6/entry/EntryTexts.h"
#include "version6/tool/Version6Tool.h"

#include <QtTest>

namespace {

EditorKey keyNamed(const QString &name)
{
    static const QHash<QString, EditorKey> keys{{"Return", EditorKey::Return}, {"Escape", EditorKey::Escape},
                                                {"Up", EditorKey::Up},         {"Down", EditorKey::Down},
                                                {"Left", EditorKey::Left},     {"Right", EditorKey::Right}};
    return keys.value(name);
}

// Plays steps on a tool the way the window's widgets would:
//   "at R C"     the user moves the grid's current cell
//   "return"     Return on the grid opens the editor (double-click: "dblclick")
//   "type TEXT"  typed keys: on the grid the first opens the editor with it; in
//                the open editor a selected text is replaced, else appended
//   "key K"      Return / Escape / an arrow in the open editor
//   "pick TYPE"  a type chosen in the handset-type editor
//   "space", "apply", "auto"   Space, "&Apply To Colum", "Auto &Increase ON"
//   "editor T"   the text editor shows T
class Player {
public:
    explicit Player(Version6Tool &tool) : m_tool(tool) {}

    void play(const QString &step)
    {
        const QString verb = step.section(' ', 0, 0);
        const QString rest = step.section(' ', 1);
        GridTable &grid = m_tool.handsets().grid();
        const auto kind = [&] { return m_tool.handsetEditor().openEditor(); };
        if (verb == "at") {
            grid.setCurrent(rest.section(' ', 0, 0).toInt(), rest.section(' ', 1).toInt());
        } else if (verb == "return" || verb == "dblclick") {
            m_tool.startEdit(verb == "return" ? HandsetEditor::Trigger::Return : HandsetEditor::Trigger::DoubleClick);
            opened();
        } else if (verb == "type") {
            for (const QChar ch : rest) {
                if (kind() == HandsetEditor::Kind::None) {
                    m_tool.startEdit(HandsetEditor::Trigger::Typed, ch);
                    opened();
                } else {
                    m_text = m_selected ? QString(ch) : m_text + ch;
                    m_selected = false;
                }
            }
        } else if (verb == "key") {
            if (kind() == HandsetEditor::Kind::Type)
                m_tool.typeEditorKey(keyNamed(rest), m_text);
            else
                m_tool.textEditorKey(keyNamed(rest), m_text);
        } else if (verb == "pick") {
            m_text = rest;
        } else if (verb == "space") {
            m_tool.repeat();
        } else if (verb == "apply") {
            m_tool.applyToColumn();
        } else if (verb == "auto") {
            m_tool.toggleAutoIncrease();
        } else if (verb == "editor") {
            QCOMPARE(m_text, rest);
            QVERIFY(m_selected);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

private:
    void opened()
    {
        const HandsetEditor &editor = m_tool.handsetEditor();
        m_text = editor.openEditor() == HandsetEditor::Kind::Type ? editor.typeText() : editor.text();
        m_selected = true;
    }

    Version6Tool &m_tool;
    QString m_text;
    bool m_selected = false;
};

const QString kSpeedDialMessage =
    QStringLiteral("Invalid Speed Dial Number!!!Valid Number range is 10 to 100 with increments of 10");

} // namespace

class TestHandsetEditor : public QObject {
    Q_OBJECT

private slots:
    // Three handsets 01000..01002 with EXT 2001..2003, then the trailing row 4.
    void editing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("cells");    // "row,col=text" after the steps
        QTest::addColumn<QStringList>("messages"); // texts shown, in order
        QTest::addColumn<QString>("current");      // "row,col"
        QTest::addColumn<bool>("advanced");        // Check1: every commit counts

        QTest::newRow("Return, retype, Return")
            << QStringList{"at 1 1", "return", "editor 2001", "type 2005", "key Return"} << QStringList{"1,1=2005"}
            << QStringList{} << "1,1" << true;
        QTest::newRow("typed 5 opens 205, 3 commits 10")
            << QStringList{"at 1 3", "type 5", "editor 205", "type 3", "key Return"} << QStringList{"1,3=10"}
            << QStringList{kSpeedDialMessage} << "1,3" << true;
        QTest::newRow("Auto Increase counts down the column")
            << QStringList{"auto",   "at 1 1", "dblclick", "type 3001", "key Return",
                           "at 2 1", "space",  "at 3 1",   "space"}
            << QStringList{"1,1=3001", "2,1=3002", "3,1=3003"} << QStringList{} << "3,1" << true;
        QTest::newRow("Space repeats the last commit")
            << QStringList{"at 1 9", "return", "type 05", "key Return", "at 3 9", "space"}
            << QStringList{"1,9=05", "3,9=05"} << QStringList{} << "3,9" << true;
        QTest::newRow("Space checks the repeated value, keeps it")
            << QStringList{"at 1 4", "return", "type 7", "key Return", "at 2 3", "space"}
            << QStringList{"1,4=7", "2,3=7"} << QStringList{kSpeedDialMessage} << "2,3" << true;
        QTest::newRow("Space on HANDSET TYPE: the last chosen type")
            << QStringList{"at 1 2", "return", "pick Analog", "key Return", "at 3 2", "space"}
            << QStringList{"1,2=Analog", "3,2=Analog"} << QStringList{} << "3,2" << true;
        QTest::newRow("Apply To Colum reaches the trailing row")
            << QStringList{"at 2 4", "return", "type 3", "key Return", "apply"}
            << QStringList{"1,4=3", "2,4=3", "3,4=3", "4,4=3", "4,5="} << QStringList{} << "2,4" << true;
        QTest::newRow("Right commits, the next cell is current")
            << QStringList{"at 1 8", "type 4", "key Right"} << QStringList{"1,8=4"} << QStringList{} << "1,9" << true;
        // A typed key goes after the cell's text: 4 on a DRN of 1 is 14.
        QTest::newRow("typed key after the text")
            << QStringList{"at 1 5", "type 4", "key Return"} << QStringList{"1,5=1"}
            << QStringList{"Invalid Dialing Restriction Number!!!\r\nValid Number range is 1-8 or Nothing"} << "1,5"
            << true;
        QTest::newRow("Left on the type editor") << QStringList{"at 2 2", "return", "pick 32D", "key Left"}
                                                 << QStringList{"2,2=32D"} << QStringList{} << "2,1" << true;
        QTest::newRow("Down on the last row stays")
            << QStringList{"at 4 0", "type x", "key Down"} << QStringList{"4,0=x"} << QStringList{} << "4,0" << true;
        QTest::newRow("checked text replaces the typed one")
            << QStringList{"at 1 7", "return", "type 5", "key Down"} << QStringList{"1,7=00", "2,7=15"}
            << QStringList{"INVALID CLASS NUMBER!!!\r\nNumber must be of 2 digits i.e. 00"} << "2,7" << true;
        QTest::newRow("Escape keeps the editor open")
            << QStringList{"at 1 1", "type 9", "key Escape", "editor 20019", "key Up"} << QStringList{"1,1=20019"}
            << QStringList{} << "1,1" << true;
        // Counting an empty text fails: the edited cell stays current.
        QTest::newRow("Auto Increase on an empty value")
            << QStringList{"auto", "at 2 8", "return", "key Down"} << QStringList{"2,8="}
            << QStringList{"INVALID EXTENSION NUMBER!!!"} << "2,8" << true;
        QTest::newRow("width kept while counting")
            << QStringList{"auto", "at 1 1", "return", "type 0209", "key Down", "space", "at 3 1", "space"}
            << QStringList{"1,1=0209", "2,1=0210", "3,1=0211"} << QStringList{} << "3,1" << true;
    }

    void editing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, messages);
        QFETCH(QString, current);
        QFETCH(bool, advanced);
        TestHome home;
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        tool.open();
        QCOMPARE(AddRange(tool, "01", "000", "002", "2001"), RangeScreen::AddResult::Added);
        tool.next();

        Player player(tool);
        for (const QString &step : steps)
            player.play(step);

        const GridTable &grid = tool.handsets().grid();
        for (const QString &cell : cells) {
            const QString at = cell.section('=', 0, 0);
            QCOMPARE(grid.textAt(at.section(',', 0, 0).toInt(), at.section(',', 1).toInt()), cell.section('=', 1));
        }
        QCOMPARE(prompter.messageTexts(), messages);
        QCOMPARE(QStringLiteral("%1,%2").arg(grid.row()).arg(grid.col()), current);
        QCOMPARE(tool.handsets().advancedChanges(), advanced);
        QCOMPARE(tool.handsetEditor().openEditor(), HandsetEditor::Kind::None);
        QCOMPARE(tool.status(), EntryTexts::kNavigate);
        QVERIFY(!tool.progress().visible);
    }

    void autoIncreaseCaption()
    {
        ScriptedPrompter prompter;
        Version6Tool tool(prompter);
        QCOMPARE(tool.handsetEditor().autoIncreaseCaption(), QStringLiteral("Auto &Increase ON"));
        tool.toggleAutoIncrease();
        QCOMPARE(tool.handsetEditor().autoIncreaseCaption(), QStringLiteral("Auto Increase OFF"));
        tool.toggleAutoIncrease();
        QCOMPARE(tool.handsetEditor().autoIncreaseCaption(), QStringLiteral("Auto Increase ON"));
    }
};

QTEST_GUILESS_MAIN(TestHandsetEditor)
#include "test_handset_editor.moc"

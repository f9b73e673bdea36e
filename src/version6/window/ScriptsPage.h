#pragma once

#include "grid/GridEditor.h"
#include "version6/compile/TemplateSet.h"
#include "version6/window/FormParts.h"

#include <QWidget>

#include <array>

class GridCellEditor;
class GridTableView;
class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class Version6Tool;

// The SCRIPTS tab: the tab strip SSTab2 with a template grid per tab, each with
// its in-place editor (Text3) and its buttons "IMPORT SCRIPT", "EXPORT SCRIPT"
// and "SAVE"; the grids' popup menu (mnu1: "&Add Row", "&Remove Row") and the
// tab strip's (mnu2: "&Rename", on a double click).
class ScriptsPage : public QWidget {
    Q_OBJECT
public:
    ScriptsPage(Version6Tool &tool, Version6Form::RunAction run, QWidget *parent = nullptr);

    // Tab captions, and the editors the tool no longer has open hidden.
    void showState();
    void commitOpenEdit();

    QTabWidget *tabs() const { return m_tabs; }                                 // SSTab2
    GridTableView *grid(int tab) const { return m_grids[size_t(tab)]; }         // MSFlexGrid3(tab)
    GridCellEditor *editor(int tab) const { return m_editors[size_t(tab)]; }    // Text3
    QPushButton *importButton(int tab) const { return m_imports[size_t(tab)]; } // Command5(tab)
    QPushButton *exportButton(int tab) const { return m_exports[size_t(tab)]; } // Command6(tab)
    QPushButton *saveButton(int tab) const { return m_saves[size_t(tab)]; }     // Command7(tab)
    QMenu *rowMenu() const { return m_rowMenu; }                                // mnu1
    QMenu *tabMenu() const { return m_tabMenu; }                                // mnu2
    // The menus act on the grid and the tab they were opened for.
    void setMenuTab(int tab) { m_menuTab = tab; }

private:
    void buildTab(int tab);
    void startEdit(int tab, char32_t keyCode);
    void editorKey(int tab, EditorKey key, const QString &text);
    void editorFocusLost(int tab, const QString &text);
    void scrolled(int tab);
    void blockPasted(int tab, const QString &text);
    void undoOrRedo(int tab, bool undo);

    Version6Tool &m_tool;
    Version6Form::RunAction m_run;
    QTabWidget *m_tabs;
    std::array<GridTableView *, TemplateSet::kCount> m_grids{};
    std::array<GridCellEditor *, TemplateSet::kCount> m_editors{};
    std::array<QPushButton *, TemplateSet::kCount> m_imports{};
    std::array<QPushButton *, TemplateSet::kCount> m_exports{};
    std::array<QPushButton *, TemplateSet::kCount> m_saves{};
    QMenu *m_rowMenu;
    QMenu *m_tabMenu;
    int m_menuTab = 0;
};

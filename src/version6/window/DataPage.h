#pragma once

#include "grid/GridEditor.h"
#include "version6/window/FormParts.h"

#include <QWidget>

class GridCellEditor;
class GridTableView;
class HandsetTypeEditor;
class Printer;
class QAction;
class QMenu;
class QPushButton;
class Version6Tool;

// The DATA tab: the handset grid with its two editors (Text4 and Combo5) and its
// popup menu, and the buttons "BACK", "IMPORT DATA", "EXPORT DATA" and "PRINT" (with "PDF..." beside it).
class DataPage : public QWidget {
    Q_OBJECT
public:
    DataPage(Version6Tool &tool, Printer &printer, Version6Form::RunAction run, QWidget *parent = nullptr);

    void showState();
    // The handset types changed (a tab was renamed).
    void showHandsetTypes();
    // An editor still open writes its text (the window closes).
    void commitOpenEdit();

    GridTableView *handsetView() const { return m_view; }    // MSFlexGrid2
    GridCellEditor *textEditor() const { return m_text; }    // Text4
    HandsetTypeEditor *typeEditor() const { return m_type; } // Combo5
    QMenu *popupMenu() const { return m_menu; }
    QAction *applyAction() const { return m_apply; }               // ATA
    QAction *autoIncreaseAction() const { return m_autoIncrease; } // AITC
    QPushButton *backButton() const { return m_back; }             // Command4
    QPushButton *importButton() const { return m_import; }         // Command11
    QPushButton *exportButton() const { return m_export; }         // Command10
    QPushButton *printButton() const { return m_print; }           // Command13
    QPushButton *pdfButton() const { return m_pdf; }               // beside PRINT
    QPushButton *checkButton() const { return m_check; }

signals:
    // "CHECK": the window shows the site check's results.
    void checkRequested();

private:
    void keyOnGrid(char32_t keyCode);
    void textKey(EditorKey key, const QString &text);
    void typeKey(EditorKey key, const QString &text);
    void textFocusLost(const QString &text);
    void typeFocusLost(const QString &text);
    void scrolled();
    void blockPasted(const QString &text);
    void undoOrRedo(bool undo);
    // After a commit: the view shows the grid's current cell.
    void followCurrent();

    Version6Tool &m_tool;
    Version6Form::RunAction m_run;
    GridTableView *m_view;
    GridCellEditor *m_text;
    HandsetTypeEditor *m_type;
    QMenu *m_menu;
    QAction *m_apply;
    QAction *m_autoIncrease;
    QPushButton *m_back;
    QPushButton *m_import;
    QPushButton *m_export;
    QPushButton *m_print;
    QPushButton *m_pdf;
    QPushButton *m_check;
};

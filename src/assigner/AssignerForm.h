#pragma once

#include <QWidget>

class GridCellEditor;
class GridTable;
class GridTableView;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The form the two assigner windows share (the Speed Dial Assigner is the Name
// Assigner's twin): the import and export path rows with their "..." buttons,
// "EXPORT NOW", "RESET", "PRINT" (with "PDF..." beside it) and "HELP", the tabs "INPUT DATA" (with
// "UPDATE INPUT DATA" and the in-place editor), "OUTPUT DATA" and "SCRIPT"
// (switched off), and the status bar whose first panel holds the prompt. The
// controls carry their object names; a tool's own controls go into extrasRow().
// The form only shows: its window connects the controls to the tool.
class AssignerForm : public QWidget {
    Q_OBJECT
public:
    AssignerForm(GridTable *input, GridTable *output, GridTable *script, QWidget *parent = nullptr);

    QLineEdit *importPath() const { return m_importPath; }                   // Text4
    QPushButton *importButton() const { return m_importButton; }             // Command7
    QLineEdit *exportPath() const { return m_exportPath; }                   // Text5
    QPushButton *exportTargetButton() const { return m_exportTargetButton; } // Command8
    QPushButton *exportButton() const { return m_exportButton; }             // EXPORT
    QPushButton *resetButton() const { return m_resetButton; }               // Command1
    QPushButton *printButton() const { return m_printButton; }               // Command13
    QPushButton *pdfButton() const { return m_pdfButton; }                   // beside PRINT
    QPushButton *helpButton() const { return m_helpButton; }                 // Command3
    QPushButton *checkButton() const { return m_checkButton; }               // CheckButton
    QPushButton *updateButton() const { return m_updateButton; }             // Command2
    QTabWidget *tabs() const { return m_tabs; }                              // SSTab1
    GridTableView *inputView() const { return m_inputView; }                 // MSFlexGrid1
    GridTableView *outputView() const { return m_outputView; }               // MSFlexGrid2
    GridTableView *scriptView() const { return m_scriptView; }               // MSFlexGrid3
    GridCellEditor *editor() const { return m_editor; }                      // txtTst
    QLabel *statusPanel() const { return m_statusPanel; }                    // StatusBar1, panel 1
    // A row below the path rows for a tool's own controls.
    QBoxLayout *extrasRow() const { return m_extrasRow; }

    // Shows a path in its display-only field, its end in view.
    static void showPath(QLineEdit *field, const QString &path);

private:
    QLineEdit *m_importPath;
    QPushButton *m_importButton;
    QLineEdit *m_exportPath;
    QPushButton *m_exportTargetButton;
    QPushButton *m_exportButton;
    QPushButton *m_resetButton;
    QPushButton *m_printButton;
    QPushButton *m_pdfButton;
    QPushButton *m_helpButton;
    QPushButton *m_checkButton;
    QPushButton *m_updateButton;
    QTabWidget *m_tabs;
    GridTableView *m_inputView;
    GridTableView *m_outputView;
    GridTableView *m_scriptView;
    GridCellEditor *m_editor;
    QLabel *m_statusPanel;
    QBoxLayout *m_extrasRow;
};

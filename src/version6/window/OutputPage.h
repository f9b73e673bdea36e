#pragma once

#include "version6/compile/Compiler.h"
#include "version6/window/FormParts.h"

#include <QWidget>

#include <array>

class GridTableView;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Version6Tool;

// The OUTPUT tab: the "Speed Dial Starting Block" field (Text5) and the four
// output grids on the tabs "Handset Data", "Pickup Groups", "Personal Speed
// Dials" and "Master Output", each with "EXPORT THIS" and "RE-COMPILE".
class OutputPage : public QWidget {
    Q_OBJECT
public:
    OutputPage(Version6Tool &tool, Version6Form::RunAction run, QWidget *parent = nullptr);

    void showState();

    QLineEdit *startBlock() const { return m_start; }                                     // Text5
    QTabWidget *tabs() const { return m_tabs; }                                           // SSTab3
    GridTableView *grid(int index) const { return m_grids[size_t(index)]; }               // MSFlexGrid4(index)
    QPushButton *exportButton(int index) const { return m_exports[size_t(index)]; }       // Command8(index)
    QPushButton *recompileButton(int index) const { return m_recompiles[size_t(index)]; } // Command9(index)
    QPushButton *checkButton() const { return m_check; }

signals:
    // "CHECK": the window shows the site check's results.
    void checkRequested();

private:
    Version6Tool &m_tool;
    Version6Form::RunAction m_run;
    QLineEdit *m_start;
    QTabWidget *m_tabs;
    QPushButton *m_check;
    std::array<GridTableView *, OutputGrids::Count> m_grids{};
    std::array<QPushButton *, OutputGrids::Count> m_exports{};
    std::array<QPushButton *, OutputGrids::Count> m_recompiles{};
};

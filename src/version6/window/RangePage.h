#pragma once

#include "version6/window/FormParts.h"

#include <QWidget>

class GridTableView;
class QComboBox;
class QLineEdit;
class QPushButton;
class Version6Tool;

// The range screen: the range inputs (FP, Start LEN, Stop LEN, Start EXT and the
// default handset), the table of accepted ranges, and "ADD", "REMOVE", "RESET"
// and "NEXT". Each control forwards to the tool; showState() shows the tool's.
class RangePage : public QWidget {
    Q_OBJECT
public:
    RangePage(Version6Tool &tool, Version6Form::RunAction run, QWidget *parent = nullptr);

    void showState();
    // The handset types changed (a tab was renamed).
    void showHandsetTypes();

    QComboBox *fpBox() const { return m_fp; }              // Combo1
    QComboBox *startLenBox() const { return m_startLen; }  // Combo2
    QComboBox *stopLenBox() const { return m_stopLen; }    // Combo3
    QLineEdit *startExtBox() const { return m_startExt; }  // Text2
    QComboBox *handsetBox() const { return m_handset; }    // Combo4
    GridTableView *rangeView() const { return m_ranges; }  // MSFlexGrid1
    QPushButton *addButton() const { return m_add; }       // Command3
    QPushButton *removeButton() const { return m_remove; } // EXPORT
    QPushButton *nextButton() const { return m_next; }     // Command2
    QPushButton *resetButton() const { return m_reset; }   // Command1

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Version6Tool &m_tool;
    Version6Form::RunAction m_run;
    QComboBox *m_fp;
    QComboBox *m_startLen;
    QComboBox *m_stopLen;
    QLineEdit *m_startExt;
    QComboBox *m_handset;
    GridTableView *m_ranges;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_next;
    QPushButton *m_reset;
};

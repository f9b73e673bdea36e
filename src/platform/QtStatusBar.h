#pragma once

class QLabel;
class QStatusBar;
class QWidget;

// A tool window's status bar (StatusBar1) with its first panel (StatusPanel1), a
// sunken text panel that takes the bar's width, for the tool's prompt.
QStatusBar *NewToolStatusBar(QWidget *parent, QLabel *&panel);

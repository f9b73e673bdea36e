#pragma once

class QWidget;

// Keys for a window's push buttons that leave their captions as they are: each
// button gets Alt with the first letter or digit of its caption that no button
// before it in the window took (named in its tooltip), and Return or Enter on a
// focused button presses it, as Space does.
void GiveButtonsKeys(QWidget *window);

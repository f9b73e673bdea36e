#pragma once

#include <QPixmap>

// A miniature of the Name Assigner window for the help window, with the marks 1
// (the buttons) and 2 (the file boxes) that the help texts explain.
QPixmap NameAssignerPicture();

// A round numbered mark as the picture shows it, for the help texts.
QPixmap HelpMark(int number, int size);

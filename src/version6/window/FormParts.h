#pragma once

#include <QString>

#include <functional>

class GridTableView;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// Pieces the Version 6.0 window's pages share.
namespace Version6Form {

// Runs one user action on the tool, then shows the tool's state again.
using RunAction = std::function<void(const std::function<void()> &action)>;

// A push button with its object name, never a default button (Return belongs to
// the grids and editors).
QPushButton *Button(const QString &name, const QString &caption, QWidget *parent);
// A combo box with its object name; editable ones accept typed text.
QComboBox *Combo(const QString &name, bool editable, QWidget *parent);
QLabel *Label(const QString &caption, QWidget *buddy, QWidget *parent);

// Puts items into a combo box without reporting them as the user's changes, and
// shows text.
void Refill(QComboBox *box, const QStringList &items, const QString &text);
// A script grid (template or output) with room for the engineer's comments.
void WidenEngineersText(GridTableView *view);

// Shows text in a combo box without reporting it as the user's change.
void ShowText(QComboBox *box, const QString &text);

} // namespace Version6Form

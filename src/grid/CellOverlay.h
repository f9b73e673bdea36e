#pragma once

class QFocusEvent;
class QTableView;
class QWidget;

// What the editors laid over a grid cell have in common, whatever their kind.
namespace CellOverlay {
// Losing the focus commits an edit, except to the editor's own popup list or
// because the whole window was left (another program, a menu).
bool CommitsOn(const QFocusEvent *event);
// Hides the editor; the view takes the focus back when the editor had it or when
// nothing in the view has it.
void Finish(QWidget *editor, QTableView *view);
} // namespace CellOverlay

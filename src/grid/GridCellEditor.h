#pragma once

#include "grid/GridEditor.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

class QTableView;

// The in-place editor's text box (txtTst): laid over one cell of a grid view, in
// the view's font. It reports Return, Escape and the arrow keys as EditorKeys, and
// every loss of the keyboard focus while it is shown, which commits; other keys
// edit its text. Losing the focus because the whole window was left (another
// program, a menu) is not a commit: the editor stays open, as the window does.
// Text pasted into it that holds tabs or line breaks is reported as a block for
// the grid; other pasted text loses its control characters.
class GridCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit GridCellEditor(QTableView *view);

    // Opens over the cell with the text and the caret, shows itself and takes the focus.
    void open(const QModelIndex &cell, const QString &text, int caret);
    // The same with the whole text selected, so that the next key replaces it.
    void openSelected(const QModelIndex &cell, const QString &text);
    // Hides and gives the focus back to the view.
    void finish();

signals:
    void keyCommand(EditorKey key, const QString &text);
    void focusLost(const QString &text);
    void blockPasted(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void place();
    void pasteText(const QString &text);

    QTableView *m_view;
    QPersistentModelIndex m_cell;
};

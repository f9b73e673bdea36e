#pragma once

#include "grid/GridEditor.h"

#include <QComboBox>
#include <QPersistentModelIndex>

class QTableView;

// The handset-type editor (Combo5): a combo box of the handset types laid over a
// HANDSET TYPE cell; a type is picked from its list or typed. It reports Return,
// Left and Right as EditorKeys (Up and Down choose in the list) and every loss of
// the keyboard focus while it is shown, except to its own list or to another
// window.
class HandsetTypeEditor : public QComboBox {
    Q_OBJECT
public:
    explicit HandsetTypeEditor(QTableView *view);

    // Opens over the cell showing text, shows itself and takes the focus.
    void open(const QModelIndex &cell, const QString &text);
    // Hides and gives the focus back to the view.
    void finish();

signals:
    void keyCommand(EditorKey key, const QString &text);
    void focusLost(const QString &text);
    // Text holding tabs or line breaks was pasted: it is meant for the grid.
    void blockPasted(const QString &text);

protected:
    // The combo box keeps the keyboard focus itself and hands key and focus events
    // to its line edit directly, past any event filter: they are taken here.
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void place();

    QTableView *m_view;
    QPersistentModelIndex m_cell;
};

// A data grid over a MemTableModel: whole-row selection that follows the table's cursor and
// moves it, deletion of the current record after a confirmation, and (when editable) a new
// empty row when the operator moves down past the last one; a new row left empty is dropped
// when the operator leaves it, as in any data grid. Tab leaves the grid in the window's tab
// order; an error of the table is shown to the operator, never thrown. The cell with the
// keyboard focus carries a 2-pixel mark. A grid that does not edit reports a row chosen by a
// double click, by Return or Enter, or by Ctrl+C.
#pragma once

#include <QTableView>

#include "gui/main_window/MemTableModel.h"

namespace gui::main_window {

class Dialogs;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(MemTableModel* model, Dialogs& dialogs, bool editable, QWidget* parent = nullptr);

    // Asks for confirmation and deletes the current record; true when deleted.
    bool deleteCurrent();

signals:
    void rowChosen();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void followCursor(int row);
    void fitRowsToFont();
    void handleKey(QKeyEvent* e);
    void showError(const QString& message);
    void showRefusedEdit(const QString& message);
    void appendNewRow();
    void leaveNewRowUnlessCurrent();
    void dropNewRowIfEmpty();
    bool focusIsOutside() const;

    MemTableModel* model_;
    Dialogs& dialogs_;
    bool editable_;
    int newRow_ = -1;  // the row Down added, until the operator leaves it
};

inline const char* kDeleteQuestion = "Eliminare il record?";

}  // namespace gui::main_window

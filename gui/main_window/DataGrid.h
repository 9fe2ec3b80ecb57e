// A data grid over a MemTableModel: whole-row selection that follows the table's cursor and
// moves it, deletion of the current record after a confirmation, and (when editable) a new
// empty row when the operator moves down past the last one.
#pragma once

#include <QTableView>

#include "gui/main_window/MemTableModel.h"

namespace app {

class Dialogs;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(MemTableModel* model, Dialogs& dialogs, bool editable, QWidget* parent = nullptr);

    // Asks for confirmation and deletes the current record; true when deleted.
    bool deleteCurrent();

signals:
    void doubleClickedRow();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void followCursor(int row);

    MemTableModel* model_;
    Dialogs& dialogs_;
    bool editable_;
};

inline const char* kDeleteQuestion = "Eliminare il record?";

}  // namespace app

#include "gui/main_window/DataGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "gui/main_window/Dialogs.h"

namespace app {

DataGrid::DataGrid(MemTableModel* model, Dialogs& dialogs, bool editable, QWidget* parent)
    : QTableView(parent), model_(model), dialogs_(dialogs), editable_(editable) {
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed)
                             : QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setVisible(true);
    verticalHeader()->setVisible(true);  // the indicator column
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(model, &MemTableModel::cursorMoved, this, &DataGrid::followCursor);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { followCursor(model_->currentRow()); });
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) { model_->moveCursorTo(i.row()); });
    followCursor(model_->currentRow());
}

void DataGrid::followCursor(int row) {
    if (!selectionModel()) return;
    if (row < 0 || row >= model_->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex idx = model_->index(row, 0);
    if (currentIndex() != idx) setCurrentIndex(idx);
    selectRow(row);
    scrollTo(idx);
}

bool DataGrid::deleteCurrent() {
    const int row = model_->currentRow();
    if (row < 0) return false;
    if (!dialogs_.confirm(this, kDeleteQuestion)) return false;
    model_->moveCursorTo(row);
    model_->table().deleteRecord();
    return true;
}

void DataGrid::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Delete && e->modifiers() & Qt::ControlModifier) ||
        (e->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState)) {
        deleteCurrent();
        return;
    }
    const int before = currentIndex().row();
    if (editable_ && e->key() == Qt::Key_Down && before == model_->rowCount() - 1 &&
        model_->table().isActive()) {
        model_->appendRow();
        return;
    }
    QTableView::keyPressEvent(e);
    if (currentIndex().isValid() && currentIndex().row() != before)
        model_->moveCursorTo(currentIndex().row());
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    if (idx.isValid()) model_->moveCursorTo(idx.row());
    QTableView::mouseDoubleClickEvent(e);
    emit doubleClickedRow();
}

}  // namespace app

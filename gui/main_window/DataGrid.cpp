#include "gui/main_window/DataGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <exception>
#include <utility>

#include "gui/main_window/Dialogs.h"
#include "gui/main_window/FocusedCellDelegate.h"

namespace gui::main_window {

DataGrid::DataGrid(MemTableModel* model, Dialogs& dialogs, bool editable, QWidget* parent)
    : QTableView(parent), model_(model), dialogs_(dialogs), editable_(editable) {
    setModel(model);
    setItemDelegate(new FocusedCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed)
                             : QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // Tab moves to the next control, not to the next row
    horizontalHeader()->setVisible(true);
    verticalHeader()->setVisible(true);  // the indicator column
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    fitRowsToFont();
    connect(model, &MemTableModel::editFailed, this, &DataGrid::showRefusedEdit);
    connect(model, &MemTableModel::cursorMoved, this, &DataGrid::followCursor);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { followCursor(model_->currentRow()); });
    connect(model, &MemTableModel::rowsReplaced, this, [this] { newRow_ = -1; });
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) {
                try {
                    model_->moveCursorTo(i.row());  // may end a pending edit, which may be refused
                    leaveNewRowUnlessCurrent();
                } catch (const std::exception& e) {
                    showError(QString::fromStdString(e.what()));
                }
            });
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

// Rows one font height plus a margin, so glyphs keep clear of the grid lines; the indicator
// column wide enough for its marker. Called again whenever the font changes.
void DataGrid::fitRowsToFont() {
    const QFontMetrics metrics(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    verticalHeader()->setFixedWidth(metrics.horizontalAdvance(QChar(0x25B6)) + 6);
}

void DataGrid::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange) fitRowsToFont();
}

// Tab in the cell editor stores the edit and leaves the grid, like Tab outside it, instead of
// opening the editor on the next cell (which wraps round to the first row).
void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    const bool previous = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, next || previous ? QAbstractItemDelegate::NoHint : hint);
    if (next || previous) focusNextPrevChild(next);
    if (focusIsOutside()) dropNewRowIfEmpty();
}

// The focus went to another control of the window: a box or another window taking it is not
// the operator leaving the grid, nor is the grid's own cell editor.
void DataGrid::focusOutEvent(QFocusEvent* e) {
    QTableView::focusOutEvent(e);
    const bool windowSwitch =
        e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
    if (!windowSwitch && focusIsOutside()) dropNewRowIfEmpty();
}

bool DataGrid::focusIsOutside() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != this && !isAncestorOf(focus) && focus->window() == window();
}

void DataGrid::appendNewRow() {
    model_->appendRow();
    newRow_ = model_->rowCount() - 1;
}

void DataGrid::leaveNewRowUnlessCurrent() {
    if (newRow_ >= 0 && currentIndex().row() != newRow_) dropNewRowIfEmpty();
}

// The new row is always the last: nothing else appends while the operator is on it.
void DataGrid::dropNewRowIfEmpty() {
    const int row = std::exchange(newRow_, -1);
    if (row < 0 || row != model_->rowCount() - 1 || !model_->isEmptyRow(row)) return;
    const int current = currentIndex().row();
    try {
        model_->deleteRow(row);
        if (current >= 0 && current < row) model_->moveCursorTo(current);
    } catch (const std::exception& e) {
        showError(QString::fromStdString(e.what()));
    }
}

void DataGrid::showError(const QString& message) {
    dialogs_.message(this, message);
}

// The cell editor closes behind the box: unless the operator was moving to another control,
// the keyboard goes on in the grid, on the row whose text was refused.
void DataGrid::showRefusedEdit(const QString& message) {
    showError(message);
    const QWidget* focus = window()->focusWidget();
    if (!focus || focus == this || isAncestorOf(focus)) setFocus(Qt::OtherFocusReason);
}

bool DataGrid::deleteCurrent() {
    const int row = model_->currentRow();
    if (row < 0) return false;
    if (!dialogs_.confirm(this, kDeleteQuestion)) return false;
    try {
        model_->moveCursorTo(row);
        model_->table().deleteRecord();
    } catch (const std::exception& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void DataGrid::keyPressEvent(QKeyEvent* e) {
    try {
        handleKey(e);
    } catch (const std::exception& err) {
        showError(QString::fromStdString(err.what()));
    }
}

void DataGrid::handleKey(QKeyEvent* e) {
    // Ctrl+Tab leaves the grid too, as in any control that keeps plain Tab for itself.
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) && e->modifiers() & Qt::ControlModifier) {
        const bool back = e->key() == Qt::Key_Backtab || e->modifiers() & Qt::ShiftModifier;
        focusNextPrevChild(!back);
        return;
    }
    if ((e->key() == Qt::Key_Delete && e->modifiers() & Qt::ControlModifier) ||
        (e->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState)) {
        deleteCurrent();
        return;
    }
    const bool enter =
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier;
    if (!editable_ && (enter || e->matches(QKeySequence::Copy))) {
        if (model_->currentRow() >= 0) emit rowChosen();
        return;
    }
    const int before = currentIndex().row();
    if (editable_ && e->key() == Qt::Key_Down && before == model_->rowCount() - 1 &&
        model_->table().isActive()) {
        // On a new row still empty Down stays: one new row at a time.
        if (before != newRow_ || !model_->isEmptyRow(before)) appendNewRow();
        return;
    }
    QTableView::keyPressEvent(e);
    if (currentIndex().isValid() && currentIndex().row() != before) {
        model_->moveCursorTo(currentIndex().row());
        leaveNewRowUnlessCurrent();
    }
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    try {
        const QModelIndex idx = indexAt(e->position().toPoint());
        if (idx.isValid()) model_->moveCursorTo(idx.row());
        QTableView::mouseDoubleClickEvent(e);
    } catch (const std::exception& err) {
        showError(QString::fromStdString(err.what()));
        return;
    }
    emit rowChosen();
}

}  // namespace gui::main_window

#include "gui/main_window/MemTableModel.h"

#include <QFont>

#include <algorithm>

namespace gui::main_window {

using memtable::DataEvent;

MemTableModel::MemTableModel(memtable::MemTable& table, std::string fieldName, bool editable, QObject* parent)
    : QAbstractTableModel(parent), table_(table), fieldName_(std::move(fieldName)), editable_(editable) {
    indicatorRow_ = currentRow();
    table_.addObserver(this);
}

MemTableModel::~MemTableModel() {
    table_.removeObserver(this);
}

int MemTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_.isActive()) return 0;
    return table_.recordCount();
}

int MemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant MemTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignment_);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const int field = table_.fieldIndex(fieldName_);
    if (field < 0) return {};
    return QString::fromStdString(table_.fieldTextAt(index.row(), field));
}

QVariant MemTableModel::headerData(int section, Qt::Orientation o, int role) const {
    // The current row's marker, read aloud: a screen reader would spell out the triangle.
    if (role == Qt::AccessibleTextRole && o == Qt::Vertical)
        return section == currentRow() ? QStringLiteral("Riga attuale") : QString();
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal && section == 0) return QString::fromStdString(fieldName_);
    if (o == Qt::Vertical) return section == currentRow() ? QStringLiteral("\u25B6") : QString();
    return {};
}

Qt::ItemFlags MemTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool MemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    // A second commit while the first is being written (the view commits again when the
    // table's notifications move its current index) is the same edit: ignored.
    if (!editable_ || role != Qt::EditRole || !index.isValid() || writing_) return false;
    writing_ = true;
    try {
        moveCursorTo(index.row());
        writeField(value.toString(), index.row());
    } catch (const std::exception& e) {
        // The edit is dropped and the operator told; the grid goes on.
        if (table_.isActive() && table_.state() != memtable::TableState::Browse) table_.cancel();
        writing_ = false;
        redisplayAfterEdit();
        emit editFailed(QString::fromStdString(e.what()));
        return false;
    }
    writing_ = false;
    redisplayAfterEdit();
    return true;
}

void MemTableModel::writeField(const QString& text, int row) {
    const std::string stored = textRule_ ? textRule_(text.toStdString(), row) : text.toStdString();
    table_.edit();
    table_.setFieldText(fieldName_, stored);
    table_.post();
}

// Row count and order stay as they were during an in-place edit: the values and the
// indicator are repainted without resetting the view, whose editor is still closing.
void MemTableModel::redisplayAfterEdit() {
    const int rows = rowCount();
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, 0));
    moveIndicator(currentRow());
    emit cursorMoved(currentRow());
}

// Only the rows that lose and gain the marker are repainted: a header change over every row
// costs the view a pass over all of them, at each cursor move.
void MemTableModel::moveIndicator(int row) {
    const int rows = rowCount();
    for (const int changed : {indicatorRow_, row})
        if (changed >= 0 && changed < rows) emit headerDataChanged(Qt::Vertical, changed, changed);
    indicatorRow_ = row;
}

int MemTableModel::currentRow() const {
    if (!table_.isActive()) return -1;
    const int n = table_.recordNumber();
    return n > 0 ? n - 1 : -1;
}

void MemTableModel::moveCursorTo(int row) {
    if (!table_.isActive() || row < 0 || row >= table_.recordCount()) return;
    if (currentRow() != row) table_.setRecordNumber(row + 1);
}

void MemTableModel::appendRow() {
    if (!table_.isActive()) return;
    table_.append();
    table_.post();
}

void MemTableModel::deleteRow(int row) {
    if (!table_.isActive() || row < 0 || row >= table_.recordCount()) return;
    moveCursorTo(row);
    table_.deleteRecord();
}

bool MemTableModel::isEmptyRow(int row) const {
    const int field = table_.fieldIndex(fieldName_);
    return table_.isActive() && field >= 0 && row >= 0 && row < table_.recordCount() &&
           table_.fieldTextAt(row, field).empty();
}

void MemTableModel::memTableEvent(memtable::MemTable&, DataEvent event, int row) {
    if (writing_) return;  // setData redisplays once the edit is stored
    switch (event) {
        case DataEvent::Scrolled:
            moveIndicator(row);
            emit cursorMoved(row);
            break;
        case DataEvent::Editing:
        case DataEvent::Inserting:
        case DataEvent::Closing:
            break;
        default:
            // Row counts and order may change with any other event: redisplay everything.
            beginResetModel();
            indicatorRow_ = currentRow();
            endResetModel();
            emit cursorMoved(currentRow());
            // Opening, closing and a batch (a fill command) put other rows in the table.
            if (event == DataEvent::Opened || event == DataEvent::Closed || event == DataEvent::DataChanged)
                emit rowsReplaced();
            break;
    }
}

}  // namespace gui::main_window

#include "gui/main_window/MemTableModel.h"

#include <QFont>

namespace app {

using memtable::DataEvent;

MemTableModel::MemTableModel(memtable::MemTable& table, std::string fieldName, bool editable, QObject* parent)
    : QAbstractTableModel(parent), table_(table), fieldName_(std::move(fieldName)), editable_(editable) {
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
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const int field = table_.fieldIndex(fieldName_);
    if (field < 0) return {};
    return QString::fromStdString(table_.fieldTextAt(index.row(), field));
}

QVariant MemTableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal && section == 0) return QString::fromStdString(fieldName_);
    return {};
}

Qt::ItemFlags MemTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) f |= Qt::ItemIsEditable;
    return f;
}

bool MemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!editable_ || role != Qt::EditRole || !index.isValid()) return false;
    moveCursorTo(index.row());
    table_.edit();
    try {
        table_.setFieldText(fieldName_, value.toString().toStdString());
        table_.post();
    } catch (...) {
        table_.cancel();
        throw;
    }
    return true;
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

void MemTableModel::memTableEvent(memtable::MemTable&, DataEvent event, int row) {
    switch (event) {
        case DataEvent::Scrolled:
            emit cursorMoved(row);
            break;
        case DataEvent::Editing:
        case DataEvent::Inserting:
        case DataEvent::Closing:
            break;
        default:
            // Row counts and order may change with any other event: redisplay everything.
            beginResetModel();
            endResetModel();
            emit cursorMoved(currentRow());
            break;
    }
}

}  // namespace app

// A one-column Qt model over a memory table: one row per record in the table's current order.
// It follows the table's notifications, so changes made by commands show at once, and writes
// in-place edits back through the table's edit/post cycle. The vertical header is the grid's
// indicator column: a marker on the current record's row.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <string>

#include "memtable/MemTable.h"
#include "memtable/MemTableObserver.h"

namespace gui::main_window {

class MemTableModel : public QAbstractTableModel, private memtable::MemTableObserver {
    Q_OBJECT
public:
    MemTableModel(memtable::MemTable& table, std::string fieldName, bool editable, QObject* parent = nullptr);
    ~MemTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    memtable::MemTable& table() { return table_; }
    void setAlignment(Qt::Alignment a) { alignment_ = a; }
    // Row of the table's current record, -1 when there is none.
    int currentRow() const;
    // Makes the record at row current.
    void moveCursorTo(int row);
    // Adds an empty record at the end (the grid's "new row").
    void appendRow();
    // Deletes the record at row without asking (a new row the operator left empty).
    void deleteRow(int row);
    bool isEmptyRow(int row) const;

    // What an in-place edit of row (0-based) stores for the text typed; throwing refuses the
    // edit with the exception's message.
    using TextRule = std::function<std::string(const std::string& text, int row)>;
    void setTextRule(TextRule rule) { textRule_ = std::move(rule); }

signals:
    // The table's cursor moved; the view selects this row.
    void cursorMoved(int row);
    // An in-place edit was refused (the table's message); the edit is dropped.
    void editFailed(const QString& message);
    // The table was opened, closed or filled in one batch: its rows are others now.
    void rowsReplaced();

private:
    void memTableEvent(memtable::MemTable& table, memtable::DataEvent event, int row) override;

    memtable::MemTable& table_;
    std::string fieldName_;
    void writeField(const QString& text, int row);
    void redisplayAfterEdit();
    void moveIndicator(int row);
    TextRule textRule_;

    bool editable_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool writing_ = false;  // inside setData: the table's notifications wait for its end
    int indicatorRow_ = -1;  // the row whose header shows the current-record marker
};

}  // namespace gui::main_window

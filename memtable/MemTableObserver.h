#pragma once
// Interface through which grids, navigators and adaptors follow a memory table's changes.

namespace memtable {

class MemTable;

enum class DataEvent {
    Opened,       // table opened (empty), cursor before the first record
    Closing,      // about to discard every record
    Closed,       // records discarded, table inactive
    Scrolled,     // cursor moved; row = new record number - 1 (or -1)
    Inserting,    // Append started; row = position the new record will show at (the record count)
    Editing,      // edit of the current record started; row = its position
    Posted,       // record stored; row = its position in the current index
    Deleted,      // record removed; row = the position it had
    Cancelled,    // pending edit dropped
    DataChanged,  // anything else: redisplay everything (refresh, field text changed while editing)
};

class MemTableObserver {
public:
    virtual ~MemTableObserver() = default;
    // Called on the thread that changed the table, with the table's lock held. The observer may
    // read the table and may detach itself (or another observer) from inside this call.
    virtual void memTableEvent(MemTable& table, DataEvent event, int row) = 0;
};

}  // namespace memtable

// MemTable: cursor moves and bookmarks.

#include "memtable/MemTableData.h"

#include <algorithm>

namespace memtable {

// --- Cursor ---

void MemTable::first() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    d->atBof = true;
    d->atEof = d->current->count() == 0;
    d->moveTo(0);
}

void MemTable::last() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    d->atEof = true;
    d->atBof = d->current->count() == 0;
    d->moveTo(d->current->count() - 1);
}

// next on the last record keeps it current and sets the end flag, as prior does at the start.
void MemTable::next() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    if (d->cursor + 1 < d->current->count()) {
        d->atBof = d->atEof = false;
        d->moveTo(d->cursor + 1);
    } else {
        d->atEof = true;
    }
}

void MemTable::prior() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    if (d->cursor > 0 && d->current->count() > 0) {
        d->atBof = d->atEof = false;
        d->moveTo(std::min(d->cursor, d->current->count()) - 1);
    } else {
        d->atBof = true;
    }
}

bool MemTable::eof() const {
    Lock lock(d->lock);
    return d->state == TableState::Inactive || d->atEof;
}
bool MemTable::bof() const {
    Lock lock(d->lock);
    return d->state == TableState::Inactive || d->atBof;
}

int MemTable::recordCount() const {
    Lock lock(d->lock);
    return d->current ? d->current->count() : 0;
}

int MemTable::recordNumber() const {
    Lock lock(d->lock);
    return d->state == TableState::Insert || !d->hasRecord() ? -1 : d->cursor + 1;
}

void MemTable::setRecordNumber(int n) {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    if (n < 1 || n > d->current->count()) return;
    d->atBof = d->atEof = false;
    d->moveTo(n - 1);
}

bool MemTable::isEmpty() const {
    return recordCount() == 0;
}

// --- Bookmarks ---

Bookmark MemTable::getBookmark() const {
    Lock lock(d->lock);
    if (d->state == TableState::Insert) return {};
    const Record* record = d->currentRecord();
    return record ? Bookmark{record->uniqueId} : Bookmark{};
}

bool MemTable::bookmarkValid(const Bookmark& bookmark) const {
    Lock lock(d->lock);
    return bookmark.isValid() && d->state != TableState::Inactive && d->findByUniqueId(bookmark.uniqueId);
}

bool MemTable::gotoBookmark(const Bookmark& bookmark) {
    Lock lock(d->lock);
    d->checkActive();
    if (!bookmark.isValid()) return false;
    const Record* record = d->findByUniqueId(bookmark.uniqueId);
    if (!record) return false;
    d->endPendingEdit();
    const int position = d->current->positionOf(record);
    if (position < 0) return false;
    d->atBof = d->atEof = false;
    d->moveTo(position);
    return true;
}

void MemTable::freeBookmark(Bookmark& bookmark) {
    bookmark = Bookmark{};
}

int MemTable::compareBookmarks(const Bookmark& a, const Bookmark& b) const {
    if (!a.isValid() || !b.isValid()) return int(a.isValid()) - int(b.isValid());
    return (a.uniqueId > b.uniqueId) - (a.uniqueId < b.uniqueId);
}

}  // namespace memtable

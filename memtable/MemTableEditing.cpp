// MemTable: appending, editing, posting, cancelling, deleting and the nearest-key search.

#include "memtable/MemTableData.h"

#include <algorithm>

namespace memtable {

namespace {
constexpr const char* emptyDataset = "Cannot perform this operation on an empty dataset";
}

void MemTable::Data::endPendingEdit() {
    if (!isEditing()) return;
    if (editModified)
        table.post();
    else
        table.cancel();
}

void MemTable::append() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    d->cursorBeforeInsert = d->cursor;
    d->editValues.assign(d->fields.size(), std::nullopt);
    d->editTarget = nullptr;
    d->editModified = false;
    d->state = TableState::Insert;
    d->cursor = d->current->count();
    d->notify(DataEvent::Inserting, d->cursor);
}

void MemTable::edit() {
    Lock lock(d->lock);
    d->checkActive();
    if (d->isEditing()) return;
    if (!d->hasRecord()) {
        append();  // editing an empty table starts a new record
        return;
    }
    d->editTarget = d->currentRecord();
    d->editValues = d->editTarget->values;
    d->editModified = false;
    d->state = TableState::Edit;
    d->notify(DataEvent::Editing, d->cursor);
}

void MemTable::post() {
    Lock lock(d->lock);
    if (!d->isEditing()) throw DatasetError(messages::notInEditMode);
    for (std::size_t i = 0; i < d->fields.size(); ++i)
        if (d->fields[i].required && !d->editValues[i])
            throw DatasetError(messages::fieldRequired(d->fields[i].name));
    for (const auto& index : d->indexes)
        if (index->isOrdered() && (index->options() & mtcoUnique) &&
            index->holdsEqualKey(d->editValues, d->editTarget))
            throw EMemTableError(messages::duplicateIndexValue);

    Record* record = d->editTarget;
    if (d->state == TableState::Insert) {
        auto stored = std::make_unique<Record>();
        stored->id = d->nextId++;
        stored->uniqueId = d->nextUniqueId++;
        stored->values = std::move(d->editValues);
        record = stored.get();
        d->store.push_back(std::move(stored));
        for (auto& index : d->indexes) {
            const int position = index->insert(record);
            if (index.get() == d->current) d->cursor = position;
        }
    } else {
        // An update moves the record to its new place in every ordered index.
        for (auto& index : d->indexes)
            if (index->isOrdered()) index->remove(record);
        record->values = std::move(d->editValues);
        for (auto& index : d->indexes)
            if (index->isOrdered()) index->insert(record);
        d->cursor = d->current->positionOf(record);
    }
    d->editValues.clear();
    d->editTarget = nullptr;
    d->state = TableState::Browse;
    d->atBof = d->atEof = false;
    d->notify(DataEvent::Posted, d->cursor);
}

void MemTable::cancel() {
    Lock lock(d->lock);
    if (!d->isEditing()) return;
    if (d->state == TableState::Insert) d->cursor = d->cursorBeforeInsert;
    d->editValues.clear();
    d->editTarget = nullptr;
    d->state = TableState::Browse;
    d->notify(DataEvent::Cancelled, d->cursor);
}

// The cursor keeps its position, so it shows the record that followed the deleted one, or the
// new last record.
void MemTable::deleteRecord() {
    Lock lock(d->lock);
    d->checkActive();
    if (d->state == TableState::Insert) {
        cancel();
        return;
    }
    if (d->state == TableState::Edit) cancel();
    if (!d->hasRecord()) throw DatasetError(emptyDataset);

    Record* record = d->currentRecord();
    const int position = d->cursor;
    for (auto& index : d->indexes) index->remove(record);
    const auto it = std::lower_bound(d->store.begin(), d->store.end(), record->uniqueId,
                                     [](const auto& r, std::int64_t id) { return r->uniqueId < id; });
    d->store.erase(it);
    if (d->store.empty()) d->nextId = 0;

    const int count = d->current->count();
    d->cursor = count == 0 ? -1 : std::min(position, count - 1);
    d->atBof = d->atEof = count == 0;
    d->notify(DataEvent::Deleted, position);
}

void MemTable::refresh() {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    d->notify(DataEvent::DataChanged, d->cursor);
}

// Lands on the first record, in index order, whose key is >= keyValues. An ordered index of
// more than 20 records is halved, and a key above every value ends on the last record; smaller
// or non-ordered indexes are scanned, and a key above every value leaves the cursor alone.
bool MemTable::seekNearest(const std::vector<std::string>& keyValues) {
    Lock lock(d->lock);
    d->checkActive();
    d->endPendingEdit();
    FieldValues key(d->current->fields().size());
    for (std::size_t i = 0; i < key.size() && i < keyValues.size(); ++i) key[i] = keyValues[i];
    const int position = d->current->search(key, true);
    if (position < 0 || d->current->count() == 0) return false;
    d->atBof = d->atEof = false;
    d->moveTo(position);
    return true;
}

}  // namespace memtable

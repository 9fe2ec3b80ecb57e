// MemTable: definitions, open and close, observers. The cursor and bookmarks are in
// MemTableCursor.cpp, field access in MemTableFields.cpp, editing in MemTableEditing.cpp.

#include "memtable/MemTableData.h"

#include <algorithm>
#include <cctype>

namespace memtable {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> splitFieldNames(const std::string& names) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t end = std::min(names.find(';', start), names.size());
        std::string part = names.substr(start, end - start);
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (!part.empty()) result.push_back(std::move(part));
        start = end + 1;
    }
    return result;
}

}  // namespace

int findField(const std::vector<FieldDef>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (equalsIgnoringCase(fields[i].name, name)) return static_cast<int>(i);
    return -1;
}

// --- Data helpers ---

void MemTable::Data::checkActive() const {
    if (state == TableState::Inactive) throw DatasetError(messages::closedDataset);
}

int MemTable::Data::requireField(std::string_view fieldName) const {
    const int field = table.fieldIndex(fieldName);
    if (field < 0) throw DatasetError(messages::fieldNotFound(std::string(fieldName)));
    return field;
}

void MemTable::Data::checkFieldNumber(int field) const {
    if (field < 0 || static_cast<std::size_t>(field) >= fields.size())
        throw DatasetError("Field index out of range");
}

const FieldValues* MemTable::Data::visibleValues() const {
    if (isEditing()) return &editValues;
    const Record* record = currentRecord();
    return record ? &record->values : nullptr;
}

void MemTable::Data::notify(DataEvent event, int row) {
    if (batchDepth > 0) {
        batchChanged = true;
        return;
    }
    // Observers may detach themselves or others while being told; call only those still attached.
    const std::vector<MemTableObserver*> snapshot = observers;
    for (MemTableObserver* observer : snapshot)
        if (std::find(observers.begin(), observers.end(), observer) != observers.end())
            observer->memTableEvent(table, event, row);
}

void MemTable::Data::moveTo(int position) {
    cursor = current->count() == 0 ? -1 : std::clamp(position, 0, current->count() - 1);
    notify(DataEvent::Scrolled, cursor);
}

Record* MemTable::Data::findByUniqueId(std::int64_t uniqueId) const {
    const auto it =
        std::lower_bound(store.begin(), store.end(), uniqueId,
                         [](const auto& record, std::int64_t id) { return record->uniqueId < id; });
    return it != store.end() && (*it)->uniqueId == uniqueId ? it->get() : nullptr;
}

void MemTable::Data::clearRecords() {
    for (auto& index : indexes) index->clear();
    store.clear();
    nextId = 0;
}

void MemTable::Data::buildIndexes() {
    // Build everything first so that a bad definition leaves the table untouched.
    std::vector<std::unique_ptr<MemTableIndex>> built;
    built.push_back(std::make_unique<MemTableIndex>());
    int slot = 0;
    for (const IndexDef& def : indexDefs) {
        const std::vector<std::string> names = splitFieldNames(def.fields);
        if (def.name.empty() || names.empty()) throw EMemTableError(messages::missingIndexFields);
        std::vector<int> numbers;
        for (const std::string& fieldName : names) {
            const int field = findField(fields, fieldName);
            if (field < 0) throw DatasetError(messages::fieldNotFound(fieldName));
            numbers.push_back(field);
        }
        built.push_back(std::make_unique<MemTableIndex>(def.name, def.fields, std::move(numbers),
                                                        compareOptionsFor(def.options) | def.compareOptions,
                                                        slot++, &collator));
    }
    indexes = std::move(built);

    current = indexes.front().get();
    const auto match = [&](auto predicate) {
        const auto it = std::find_if(indexes.begin() + 1, indexes.end(), predicate);
        return it == indexes.end() ? nullptr : it->get();
    };
    MemTableIndex* chosen = nullptr;
    if (!indexFieldNames.empty())
        chosen = match(
            [&](const auto& index) { return equalsIgnoringCase(index->fieldNames(), indexFieldNames); });
    else if (!indexName.empty())
        chosen = match([&](const auto& index) { return equalsIgnoringCase(index->name(), indexName); });
    if (chosen) current = chosen;
}

// --- Definitions ---

MemTable::MemTable(std::string name) : d(std::make_unique<Data>(*this, std::move(name))) {}

MemTable::~MemTable() {
    // Observers are not told: the owner is tearing the table down.
    d->observers.clear();
}

const std::string& MemTable::name() const {
    return d->name;
}

void MemTable::addFieldDef(const FieldDef& def) {
    Lock lock(d->lock);
    d->fieldDefs.push_back(def);
}
void MemTable::addField(const FieldDef& field) {
    Lock lock(d->lock);
    d->persistentFields.push_back(field);
}
void MemTable::addIndexDef(const IndexDef& def) {
    Lock lock(d->lock);
    d->indexDefs.push_back(def);
}
void MemTable::setIndexFieldNames(std::string fieldNames) {
    Lock lock(d->lock);
    d->indexFieldNames = std::move(fieldNames);
}
void MemTable::setIndexName(std::string indexName) {
    Lock lock(d->lock);
    d->indexName = std::move(indexName);
}

void MemTable::setCollationLocale(const std::locale& locale) {
    Lock lock(d->lock);
    if (d->state != TableState::Inactive)
        throw DatasetError("Cannot perform this operation on an open dataset");
    d->collator = StringCollator(locale);
}

// --- Lifecycle ---

void MemTable::open() {
    Lock lock(d->lock);
    if (d->state != TableState::Inactive) return;
    if (d->fieldDefs.empty() && d->persistentFields.empty()) throw EMemTableError(messages::noFields);
    // Persistent field objects win over the definitions (their size applies).
    d->fields = d->persistentFields.empty() ? d->fieldDefs : d->persistentFields;
    for (const FieldDef& field : d->fields)
        if (field.size <= 0) {
            d->fields.clear();
            throw DatasetError("Invalid field size.");
        }
    try {
        d->buildIndexes();
    } catch (...) {
        d->fields.clear();
        d->indexes.clear();
        d->current = nullptr;
        throw;
    }
    d->state = TableState::Browse;
    d->cursor = -1;
    d->atBof = d->atEof = true;
    d->notify(DataEvent::Opened, -1);
}

void MemTable::close() {
    Lock lock(d->lock);
    if (d->state == TableState::Inactive) return;
    d->editValues.clear();
    d->editTarget = nullptr;
    d->state = TableState::Browse;
    d->notify(DataEvent::Closing, -1);
    d->clearRecords();
    d->indexes.clear();
    d->current = nullptr;
    d->fields.clear();
    d->cursor = -1;
    d->atBof = d->atEof = true;
    d->state = TableState::Inactive;
    d->notify(DataEvent::Closed, -1);
}

bool MemTable::isActive() const {
    Lock lock(d->lock);
    return d->state != TableState::Inactive;
}
TableState MemTable::state() const {
    Lock lock(d->lock);
    return d->state;
}

// --- Indexes ---

std::string MemTable::currentIndexName() const {
    Lock lock(d->lock);
    return d->current ? d->current->name() : std::string();
}
std::string MemTable::currentIndexFields() const {
    Lock lock(d->lock);
    return d->current ? d->current->fieldNames() : std::string();
}

// --- Observers ---

void MemTable::addObserver(MemTableObserver* observer) {
    Lock lock(d->lock);
    if (observer && std::find(d->observers.begin(), d->observers.end(), observer) == d->observers.end())
        d->observers.push_back(observer);
}

void MemTable::removeObserver(MemTableObserver* observer) {
    Lock lock(d->lock);
    std::erase(d->observers, observer);
}

void MemTable::beginBatch() {
    Lock lock(d->lock);
    ++d->batchDepth;
}

void MemTable::endBatch() {
    Lock lock(d->lock);
    if (d->batchDepth == 0 || --d->batchDepth > 0 || !d->batchChanged) return;
    d->batchChanged = false;
    d->notify(DataEvent::DataChanged, d->cursor);
}

}  // namespace memtable

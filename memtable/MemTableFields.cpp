// MemTable: reading and setting field values, by name, by number and by row.

#include "memtable/MemTableData.h"

#include "platform/Utf8.h"

namespace memtable {

// --- Fields ---

int MemTable::fieldCount() const {
    Lock lock(d->lock);
    if (d->state != TableState::Inactive) return static_cast<int>(d->fields.size());
    return static_cast<int>((d->persistentFields.empty() ? d->fieldDefs : d->persistentFields).size());
}

int MemTable::fieldIndex(std::string_view fieldName) const {
    Lock lock(d->lock);
    if (d->state != TableState::Inactive) return findField(d->fields, fieldName);
    return findField(d->persistentFields.empty() ? d->fieldDefs : d->persistentFields, fieldName);
}

const FieldDef& MemTable::fieldDef(int field) const {
    Lock lock(d->lock);
    const auto& list = d->state != TableState::Inactive ? d->fields
                       : d->persistentFields.empty()    ? d->fieldDefs
                                                        : d->persistentFields;
    if (field < 0 || static_cast<std::size_t>(field) >= list.size())
        throw DatasetError("Field index out of range");
    return list[static_cast<std::size_t>(field)];
}

std::optional<std::string> MemTable::fieldValue(std::string_view fieldName) const {
    Lock lock(d->lock);
    d->checkActive();
    const int field = d->requireField(fieldName);
    const FieldValues* values = d->visibleValues();
    return values ? (*values)[static_cast<std::size_t>(field)] : std::nullopt;
}

std::string MemTable::fieldText(std::string_view fieldName) const {
    return fieldValue(fieldName).value_or(std::string());
}
bool MemTable::fieldIsNull(std::string_view fieldName) const {
    return !fieldValue(fieldName).has_value();
}

std::optional<std::string> MemTable::fieldValue(int field) const {
    Lock lock(d->lock);
    d->checkActive();
    d->checkFieldNumber(field);
    const FieldValues* values = d->visibleValues();
    return values ? (*values)[static_cast<std::size_t>(field)] : std::nullopt;
}

std::string MemTable::fieldText(int field) const {
    return fieldValue(field).value_or(std::string());
}

void MemTable::setFieldText(std::string_view fieldName, std::string_view text) {
    Lock lock(d->lock);
    if (!d->isEditing()) throw DatasetError(messages::notInEditMode);
    setFieldText(d->requireField(fieldName), text);
}

void MemTable::clearField(std::string_view fieldName) {
    Lock lock(d->lock);
    if (!d->isEditing()) throw DatasetError(messages::notInEditMode);
    const int field = d->requireField(fieldName);
    if (d->fields[static_cast<std::size_t>(field)].readOnly)
        throw DatasetError(messages::fieldReadOnly(d->fields[static_cast<std::size_t>(field)].name));
    d->editValues[static_cast<std::size_t>(field)].reset();
    d->editModified = true;
    d->notify(DataEvent::DataChanged, d->cursor);
}

// A text longer than the field is cut to the field's size in characters, never inside a
// character; an empty text is a set value, not null.
void MemTable::setFieldText(int field, std::string_view text) {
    Lock lock(d->lock);
    if (!d->isEditing()) throw DatasetError(messages::notInEditMode);
    d->checkFieldNumber(field);
    const FieldDef& def = d->fields[static_cast<std::size_t>(field)];
    if (def.readOnly) throw DatasetError(messages::fieldReadOnly(def.name));
    d->editValues[static_cast<std::size_t>(field)] =
        platform::utf8Prefix(text, static_cast<std::size_t>(def.size));
    d->editModified = true;
    d->notify(DataEvent::DataChanged, d->cursor);
}

std::optional<std::string> MemTable::fieldValueAt(int row, int field) const {
    Lock lock(d->lock);
    d->checkActive();
    d->checkFieldNumber(field);
    if (row < 0 || row >= d->current->count()) return std::nullopt;
    return d->current->at(row)->values[static_cast<std::size_t>(field)];
}

std::string MemTable::fieldTextAt(int row, int field) const {
    return fieldValueAt(row, field).value_or(std::string());
}

}  // namespace memtable

// Lifecycle, appending and posting, required fields, field sizes and the data-set errors.

#include "TableHelpers.h"
#include "memtable/StandardTables.h"

#include <gtest/gtest.h>

#include <functional>

using namespace memtable;
using namespace memtable::testing;
using Strings = std::vector<std::string>;

namespace {

void expectError(const std::function<void()>& action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const DatasetError& error) {
        EXPECT_EQ(error.what(), message);
    }
}

TEST(MemTableEditing, ClosedTableOperationsFail) {
    auto table = makePrintListTable();
    const std::string closed = "Cannot perform this operation on a closed dataset";
    const std::string notEditing = "Dataset is not in edit mode.";
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { table->append(); }, closed},
        {[&] { table->first(); }, closed},
        {[&] { table->next(); }, closed},
        {[&] { table->deleteRecord(); }, closed},
        {[&] { table->seekNearest({"x"}); }, closed},
        {[&] { (void)table->fieldText("giorno"); }, closed},
        {[&] { table->setFieldText("giorno", "x"); }, notEditing},
        {[&] { table->post(); }, notEditing},
    };
    for (const auto& [action, message] : cases) {
        expectError(action, message);
        EXPECT_FALSE(table->isActive());
        EXPECT_EQ(table->recordCount(), 0);
    }
    EXPECT_TRUE(table->eof());
}

TEST(MemTableEditing, FailedAppendOnClosedTableThenOpenAndRetry) {
    auto table = makePrintListTable();
    EXPECT_THROW(table->append(), DatasetError);
    EXPECT_EQ(table->state(), TableState::Inactive);
    table->open();
    table->append();
    table->setFieldText("giorno", "01/05/2019");
    table->post();
    EXPECT_EQ(contents(*table), (Strings{"01/05/2019"}));
}

TEST(MemTableEditing, PostOutsideEditModeFails) {
    auto table = makePrintListTable();
    table->open();
    expectError([&] { table->post(); }, "Dataset is not in edit mode.");
    expectError([&] { table->setFieldText("giorno", "x"); }, "Dataset is not in edit mode.");
}

TEST(MemTableEditing, CloseThenOpenEmptiesTheTable) {
    auto table = makeFiscalCodeTable();
    table->open();
    appendValues(*table, {"B", "A"}, "codice");
    table->close();
    table->open();
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_TRUE(table->eof());
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->recordNumber(), -1);
    EXPECT_EQ(table->currentIndexName(), "kb2Index1");  // indexes are rebuilt
}

TEST(MemTableEditing, RequiredFieldMustHaveAValue) {
    auto table = makeFiscalCodeTable();
    table->open();
    table->append();
    expectError([&] { table->post(); }, "Field 'codice' must have a value");
    EXPECT_EQ(table->state(), TableState::Insert);
    EXPECT_EQ(table->recordCount(), 0);
    table->setFieldText("codice", "");  // empty is a value, not null
    table->post();
    EXPECT_EQ(table->recordCount(), 1);
    EXPECT_FALSE(table->fieldIsNull("codice"));
}

TEST(MemTableEditing, TextIsCutToTheFieldSizeInCharacters) {
    struct Case {
        std::string input, stored;
    };
    const Case cases[] = {
        {"12345678901234567890", "1234567890123456"},  // the field object's 16 wins over the definition's 11
        {"1234567890123456", "1234567890123456"},
        {"èèèèèèèèèèèèèèèèèèèè", "èèèèèèèèèèèèèèèè"},  // characters, not bytes
        {"", ""},
    };
    auto table = makePrintListTable();
    table->open();
    EXPECT_EQ(table->fieldDef(0).size, 16);
    for (const auto& c : cases) {
        table->append();
        table->setFieldText("giorno", c.input);
        table->post();
        EXPECT_EQ(table->fieldText("giorno"), c.stored);
    }
}

TEST(MemTableEditing, DefinitionErrors) {
    MemTable noFields;
    expectError([&] { noFields.open(); }, "There must be at least one field");
    EXPECT_FALSE(noFields.isActive());

    for (const IndexDef& def : {IndexDef{.name = "i", .fields = ""}, IndexDef{.name = "", .fields = "a"}}) {
        MemTable table;
        table.addFieldDef({.name = "a", .size = 4});
        table.addIndexDef(def);
        expectError([&] { table.open(); }, "Missing Name or FieldNames in IndexDef!");
        EXPECT_FALSE(table.isActive());
    }

    MemTable readOnly;
    readOnly.addFieldDef({.name = "a", .size = 4, .readOnly = true});
    readOnly.open();
    readOnly.append();
    expectError([&] { readOnly.setFieldText("a", "x"); }, "Field a is read only");
    expectError([&] { readOnly.setFieldText("nope", "x"); }, "Field 'nope' not found");
}

TEST(MemTableEditing, CancelDropsTheNewRecordAndRestoresTheCursor) {
    auto table = makePrintListTable();
    table->open();
    appendValues(*table, {"a", "b", "c"}, "giorno");
    table->setRecordNumber(2);
    table->append();
    table->setFieldText("giorno", "x");
    EXPECT_EQ(table->fieldText("giorno"), "x");
    EXPECT_EQ(table->recordNumber(), -1);
    table->cancel();
    EXPECT_EQ(table->recordCount(), 3);
    EXPECT_EQ(table->fieldText("giorno"), "b");
}

TEST(MemTableEditing, AppendPostsAModifiedPendingRecord) {
    auto table = makePrintListTable();
    table->open();
    table->append();
    table->setFieldText("giorno", "a");
    table->append();  // posts "a"
    table->append();  // the untouched record is dropped, not stored
    table->setFieldText("giorno", "b");
    table->post();
    EXPECT_EQ(contents(*table), (Strings{"a", "b"}));
}

TEST(MemTableEditing, DeleteKeepsTheCursorPosition) {
    auto table = makePrintListTable();
    table->open();
    appendValues(*table, {"a", "b", "c"}, "giorno");
    table->setRecordNumber(2);
    table->deleteRecord();
    EXPECT_EQ(table->fieldText("giorno"), "c");
    table->deleteRecord();
    EXPECT_EQ(table->fieldText("giorno"), "a");  // the last one went: the new last shows
    table->deleteRecord();
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_TRUE(table->eof());
    expectError([&] { table->deleteRecord(); }, "Cannot perform this operation on an empty dataset");
    appendValue(*table, "d", "giorno");
    EXPECT_EQ(contents(*table), (Strings{"d"}));
}

TEST(MemTableEditing, DeleteRemovesFromEveryIndex) {
    MemTable table;
    table.addFieldDef({.name = "k", .size = 8});
    table.addIndexDef({.name = "byK", .fields = "k"});
    table.open();  // current index: row order
    appendValues(table, {"c", "a", "b"});
    table.first();
    table.deleteRecord();  // "c"
    table.close();
    table.setIndexName("byK");
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
}

TEST(MemTableEditing, CursorWalkSetsTheEndFlags) {
    auto table = makePrintListTable();
    table->open();
    appendValues(*table, {"a", "b", "c"}, "giorno");
    Strings seen;
    for (table->first(); !table->eof(); table->next()) seen.push_back(table->fieldText("giorno"));
    EXPECT_EQ(seen, (Strings{"a", "b", "c"}));
    EXPECT_EQ(table->fieldText("giorno"), "c");  // next past the end stays on the last record
    seen.clear();
    for (table->last(); !table->bof(); table->prior()) seen.push_back(table->fieldText("giorno"));
    EXPECT_EQ(seen, (Strings{"c", "b", "a"}));
    table->setRecordNumber(2);
    EXPECT_FALSE(table->bof());
    EXPECT_FALSE(table->eof());
    EXPECT_EQ(table->recordNumber(), 2);
}

TEST(MemTableEditing, EmptyTableWalk) {
    auto table = makePrintListTable();
    table->open();
    table->first();
    EXPECT_TRUE(table->eof());
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->fieldText("giorno"), "");
    table->next();
    table->prior();
    EXPECT_EQ(table->recordNumber(), -1);
}

}  // namespace

// Expressions against a report: the name lookup chain, field values, line expansion and the
// error texts.
#include "expression/ExpressionError.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/FormatDateTime.h"
#include "memtable/StandardTables.h"
#include "report/DatasetMemTable.h"
#include "tests/report/DatasetFakes.h"

#include <gtest/gtest.h>

using namespace report;
using namespace expression;
using report::testing::FakeContext;
using report::testing::FakeDataset;

namespace {

void appendLabel(memtable::MemTable& table, const std::string& text) {
    table.append();
    table.setFieldText("giorno", text);
    table.post();
}

std::string errorOf(ExpressionEvaluator& evaluator, std::string_view expression) {
    try {
        evaluator.calculate(expression);
    } catch (const ExpressionError& e) {
        return e.what();
    }
    return "<no error>";
}

TEST(ExpressionVariables, PrintListFieldOfTheCurrentRecord) {
    auto kb1 = memtable::makePrintListTable();
    MemTableDataset dataSet(*kb1);
    FakeContext context;
    context.components["kb1"] = &dataSet;
    ExpressionEvaluator evaluator(context);

    // A closed table is opened by the field reference; its null field is an empty text.
    EXPECT_EQ(evaluator.expandLine("[kb1.\"giorno\"]"), "");
    EXPECT_TRUE(kb1->isActive());

    appendLabel(*kb1, "0123456789");
    appendLabel(*kb1, "MAR2019");
    kb1->first();
    EXPECT_EQ(evaluator.expandLine("[kb1.\"giorno\"]"), "0123456789");
    kb1->next();
    EXPECT_EQ(evaluator.expandLine("[kb1.\"giorno\"]"), "MAR2019");
    EXPECT_EQ(evaluator.expandLine("[kb1.GIORNO]"), "MAR2019");  // field names ignore case
    kb1->append();                                               // a null field in the record being edited
    EXPECT_EQ(evaluator.calculate("kb1.\"giorno\""), Value(std::string()));
}

TEST(ExpressionVariables, LineExpansion) {
    FakeContext context;
    context.globals.set("A", Value("x[y]"));
    context.globals.set("N", Value(7));
    ExpressionEvaluator evaluator(context);
    struct Case {
        const char* line;
        const char* expected;
    };
    const Case cases[] = {
        {"no expressions", "no expressions"},
        {"[N] and [N * 2]!", "7 and 14!"},   // two on one line
        {"<[COPY('a]b', 1, 3)]>", "<a]b>"},  // "]" inside single quotes
        {"[A] [N]", "x[y] 7"},               // values are not expanded again
        {"[N #N0,00] [N / 2 #N0.0]", "7,00 3.5"},
        {"[IF(N > 5, 'si', 'no')]", "si"},
        {"[]", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(evaluator.expandLine(c.line), c.expected) << c.line;

    const auto lines = evaluator.expandMemo({"a [A]", "[ 'one' + COPY(' ', 1, 1) ]"}, false);
    EXPECT_EQ(lines, (std::vector<std::string>{"a x[y]", "one "}));
    EXPECT_EQ(evaluator.expandMemo({"[N]"}, true), std::vector<std::string>{"[N]"});  // TextOnly
}

TEST(ExpressionVariables, ValueWithLineBreaksBecomesSeveralLines) {
    FakeContext context;
    context.globals.set("T", Value("uno\r\ndue\ntre"));
    ExpressionEvaluator evaluator(context);
    EXPECT_EQ(evaluator.expandMemo({"[T]!"}, false), (std::vector<std::string>{"uno", "due", "tre!"}));
}

TEST(ExpressionVariables, UndefinedSymbolAndMissingComponent) {
    FakeContext context;
    ExpressionEvaluator evaluator(context);
    EXPECT_EQ(errorOf(evaluator, "pippo"), "Simbolo non definito \"pippo\"");
    EXPECT_EQ(errorOf(evaluator, "[pluto] + 1"), "Simbolo non definito \"pluto\"");
    EXPECT_EQ(errorOf(evaluator, "NOSUCH(1)"), "Simbolo non definito \"NOSUCH\"");

    FakeDataset kb1("kb1", {"giorno"});
    context.components["kb1"] = &kb1;
    EXPECT_EQ(errorOf(evaluator, "kb1.\"nofield\""), "Simbolo non definito \"kb1.\"nofield\"\"");

    context.lookupFails = true;
    EXPECT_EQ(errorOf(evaluator, "Form9.kb1.giorno"), "Missing Form9.kb1");
}

TEST(ExpressionVariables, LookupOrder) {
    FakeDataset table("kb1", {"giorno"});
    table.addRow({"FIELD"});
    FakeContext context;
    context.components["kb1"] = &table;
    context.components["Form2.kb1"] = &table;
    ExpressionEvaluator evaluator(context);

    // A name with a dot is first a field; the object property comes later in the chain.
    context.properties["kb1.giorno"] = Value("PROPERTY");
    context.properties["Memo1.Font.Size"] = Value(10);
    EXPECT_EQ(evaluator.calculate("kb1.giorno"), Value("FIELD"));
    EXPECT_EQ(evaluator.calculate("Form2.kb1.\"giorno\""), Value("FIELD"));
    EXPECT_EQ(evaluator.calculate("Memo1.Font.Size"), Value(10));

    // Built-ins come before the global list, page state after it.
    context.builtins[BuiltinVariable::PageNumber] = Value(3);
    context.builtins[BuiltinVariable::CurY] = Value(100);
    context.globals.set("PAGE#", Value(99));
    context.globals.set("CURY", Value(42));
    EXPECT_EQ(evaluator.calculate("[PAGE#]"), Value(3));
    EXPECT_EQ(evaluator.calculate("page#"), Value(3));
    EXPECT_EQ(evaluator.calculate("CURY"), Value(42));
    EXPECT_EQ(evaluator.calculate("btJPG + btWMF"), Value(4));

    // The get-value event answers before everything else.
    context.eventValues["kb1.giorno"] = Value("EVENT");
    EXPECT_EQ(evaluator.calculate("kb1.giorno"), Value("EVENT"));
}

TEST(ExpressionVariables, DictionaryVariablesAndFieldCache) {
    FakeDataset table("kb1", {"giorno", "n"});
    table.types = {DataFieldType::String, DataFieldType::Integer};
    table.addRow({"A", "5"});
    table.addRow({std::nullopt, std::nullopt});
    table.open();
    FakeContext context;
    context.components["kb1"] = &table;
    context.dictionary["Giorno"] = "kb1.giorno";
    context.dictionary["Doppio"] = "[kb1.n] * 2";
    context.aliases["Lista"] = "kb1";
    ExpressionEvaluator evaluator(context);

    EXPECT_EQ(evaluator.calculate("[Giorno]"), Value("A"));
    EXPECT_EQ(evaluator.calculate("Doppio"), Value(10));
    EXPECT_EQ(evaluator.calculate("Lista.giorno"), Value("A"));

    // A cached field follows the record, without asking for the component again.
    const int lookups = context.componentLookups;
    table.next();
    EXPECT_EQ(evaluator.calculate("[Giorno]"), Value(""));
    EXPECT_EQ(evaluator.calculate("kb1.n"), Value(0));  // null number is 0
    EXPECT_EQ(context.componentLookups, lookups);
    evaluator.clearCache();
    evaluator.calculate("kb1.n");
    EXPECT_EQ(context.componentLookups, lookups + 1);

    // Get-text handlers and 64-bit integers show their display text.
    table.types[1] = DataFieldType::LargeInt;
    table.first();
    EXPECT_EQ(evaluator.calculate("kb1.n"), Value("<5>"));
}

TEST(ExpressionVariables, ValueAndHideZeros) {
    FakeContext context;
    context.globals.set("Z", Value(0));
    ExpressionEvaluator evaluator(context);
    ObjectDisplay hide;
    hide.hideZeros = true;
    EXPECT_EQ(evaluator.displayText("Z", hide), "");
    EXPECT_EQ(evaluator.displayText("'0'", hide), "0");  // a string is not a number
    EXPECT_EQ(evaluator.displayText("2 + 3"), "5");
    EXPECT_EQ(evaluator.lastValue(), Value(5));
    EXPECT_EQ(evaluator.calculate("VALUE * 2"), Value(10));
}

TEST(ExpressionVariables, SelfReferencingVariableFailsCleanly) {
    FakeContext context;
    context.dictionary["Loop"] = "[Loop] + 1";
    ExpressionEvaluator evaluator(context);
    EXPECT_THROW(evaluator.calculate("Loop"), ExpressionError);
}

TEST(ExpressionFunctions, Library) {
    FakeContext context;
    context.builtins[BuiltinVariable::Date] = Value(*encodeDate(2019, 5, 21));
    ExpressionEvaluator evaluator(context);
    struct Case {
        const char* expression;
        Value expected;
    };
    const Case cases[] = {
        {"LENGTH('perché')", Value(6)},
        {"UPPERCASE('abc') + lowercase('DEF')", Value("ABCdef")},
        {"NAMECASE('mario ROSSI')", Value("Mario Rossi")},
        {"TRIM('  a b  ')", Value("a b")},
        {"POS('b', 'abc')", Value(2)},
        {"POS('z', 'abc')", Value(0)},
        {"MAXNUM(3, 7) + MINNUM(3, 7)", Value(10)},
        {"DAYOF(DATE) + MONTHOF(DATE) * 100", Value(521)},
        {"YEAROF(STRTODATE('01/02/2003'))", Value(2003)},
        {"FORMATDATETIME('dd.mm.yy', DATE)", Value("21.05.19")},
        {"FORMATFLOAT('0.00', 2)", Value("2,00")},
        {"FORMATTEXT('00-00', '1234')", Value("12-34")},
        {"INPUT('Nome', 'Mario')", Value("Mario")},
        {"STRTOTIME('12:00') * 2", Value(1.0)},
    };
    for (const Case& c : cases) EXPECT_EQ(evaluator.calculate(c.expression), c.expected) << c.expression;
    EXPECT_THROW(evaluator.calculate("LENGTH()"), ExpressionError);
    EXPECT_THROW(evaluator.calculate("SUM(1)"), ExpressionError);  // no band to add up
    EXPECT_THROW(evaluator.calculate("STRTODATE('31/02/2019')"), ExpressionError);
}

}  // namespace

// The expression parser: bracket scanning, binding of operators, values of operators and of
// IF/COPY, syntax errors.
#include "expression/ExpressionError.h"
#include "expression/ExpressionParser.h"
#include "expression/ExpressionScanner.h"

#include <gtest/gtest.h>

#include <map>

using namespace expression;

namespace {

// Names resolve from a map; functions echo their name and argument count.
class MapHost : public ParserHost {
public:
    std::map<std::string, Value> names;
    std::vector<std::string> calls;

    Value valueOf(const std::string& name) override {
        auto it = names.find(name);
        if (it == names.end()) throw ExpressionError("unknown " + name);
        return it->second;
    }
    Value callFunction(const std::string& upperName, std::span<const std::string> arguments) override {
        std::string call = upperName + "(";
        for (std::size_t i = 0; i < arguments.size(); ++i) call += (i ? "|" : "") + arguments[i];
        calls.push_back(call + ")");
        return Value(static_cast<std::int64_t>(arguments.size()));
    }
};

Value eval(std::string_view text, MapHost* host = nullptr) {
    MapHost local;
    ExpressionParser parser;
    return parser.evaluate(text, host ? *host : local);
}

TEST(ExpressionScanner, FindsOuterBracketsAndSkipsQuotedOnes) {
    struct Case {
        std::string text;
        std::size_t from;
        std::string inner;  // "<none>" when nothing is found
    };
    const Case cases[] = {
        {"abc", 0, "<none>"},
        {"x [a] [b]", 0, "a"},
        {"x [a] [b]", 4, "b"},
        {"[COPY('a]b', 1, 2)] tail", 0, "COPY('a]b', 1, 2)"},
        {"[kb1.\"gi]orno\"]", 0, "kb1.\"gi]orno\""},
        {"[a[b]c]", 0, "a[b]c"},
        {"[\"it's\"]", 0, "\"it's\""},  // a single quote inside double quotes is text
        {"[unclosed", 0, "unclosed"},   // runs to the end of the text
    };
    for (const Case& c : cases) {
        const auto span = findBracketedExpression(c.text, c.from);
        const std::string got = span ? std::string(span->inner(c.text)) : "<none>";
        EXPECT_EQ(got, c.inner) << c.text;
    }
}

TEST(ExpressionParser, BindingOfOperators) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1+2*3", 7},
        {"(1+2)*3", 9},
        {"2 AND 3 + 1", 3},  // AND binds like "*": (2 AND 3) + 1
        {"1 + 2 AND 3", 3},  // 1 + (2 AND 3)
        {"6 OR 1 * 2", 14},  // (6 OR 1) * 2
        {"1 + 2 = 3", 1},    // comparisons bind loosest
        {"2 * 3 > 5 + 2", 0},
        {"-2 * 3", -6},
        {"2 * -3", -6},
        {"- 1 + 2", 1},
        {"+4 - -4", 8},
        {"NOT 0 + 1", 2},  // NOT binds tighter than "+"
        {"NOT 1 = 0", 1},
        {"INT 2.7 * 2", 4},  // INT binds tightest
        {"ROUND(2.5) + FRAC(1.25)", 3.25},
        {"7 MOD 3 * 2", 2},
        {"10 - 4 - 3", 3},  // left to right
        {"12 / 4 / 3", 1},
        {"1,5 + .5", 2},  // "," or "." as decimal separator
        {"5 / 0", 0},     // division by zero gives 0
        {"5 MOD 0", 0},
        {"2 <> 3", 1},
        {"2 >= 3", 0},
        {"3 <= 3", 1},
        {"2 < 3", 1},
        {"1 + 2; this is ignored", 3},
        {"\r\n 1 +\t2 ", 3},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(eval(c.text).toDouble(), c.expected) << c.text;
}

TEST(ExpressionParser, StringsBooleansAndConversions) {
    EXPECT_EQ(eval("'ab' + 'cd'"), Value("abcd"));
    EXPECT_EQ(eval("'it''s'"), Value("it's"));
    EXPECT_EQ(eval("'Pagina ' + 3"), Value("Pagina 3"));
    EXPECT_EQ(eval("'2' + 3").toDouble(), 5.0);
    EXPECT_EQ(eval("'abc' = 'abc'"), Value(1));
    EXPECT_EQ(eval("'abc' < 'abd'"), Value(1));
    EXPECT_EQ(eval("TRUE"), Value(true));
    EXPECT_EQ(eval("true AND FALSE"), Value(false));
    EXPECT_EQ(eval("STR 12"), Value("12"));
    EXPECT_EQ(eval("STR 1.5"), Value("1,5"));
    EXPECT_EQ(eval("FRAC 3.00000000001"), Value(0.0));
    EXPECT_EQ(eval(""), Value());
    EXPECT_EQ(eval("8000000000000000 * 8000000000000000").kind(), Value::Kind::Float);  // no overflow trap
}

TEST(ExpressionParser, IfAndCopyAreComputedHere) {
    MapHost host;
    host.names["x"] = Value(5);
    EXPECT_EQ(eval("IF([x] > 3, 'big', 'small')", &host), Value("big"));
    EXPECT_EQ(eval("IF(0, 1, 2)", &host), Value(2));
    // Only the chosen branch is computed: the other one would fail.
    EXPECT_EQ(eval("IF(1, 'ok', [missing])", &host), Value("ok"));
    EXPECT_EQ(eval("COPY('Quirelle', 2, 3)", &host), Value("uir"));
    EXPECT_EQ(eval("COPY('abc', 0, 2)", &host), Value("ab"));
    EXPECT_EQ(eval("COPY('abc', 3, 99)", &host), Value("c"));
    EXPECT_EQ(eval("COPY('abc', 9, 1)", &host), Value(""));
    EXPECT_EQ(eval("COPY('perché', 5, 2)", &host), Value("hé"));  // counts characters
    EXPECT_EQ(eval("COPY('a,b', 1, 3)", &host), Value("a,b"));    // commas inside quotes
}

TEST(ExpressionParser, NamesAndCallsGoToTheHost) {
    MapHost host;
    host.names["kb1.\"giorno\""] = Value("0123456789");
    host.names["a b"] = Value(2);
    host.names["PAGE#"] = Value(4);
    EXPECT_EQ(eval("kb1.\"giorno\"", &host), Value("0123456789"));
    EXPECT_EQ(eval("[a b] * [PAGE#]", &host), Value(8));
    EXPECT_EQ(eval("PAGE# + 1", &host), Value(5));
    EXPECT_EQ(eval("Upper('x', (1, 2), 'a,b')", &host), Value(3));
    EXPECT_EQ(eval("arr[2 + 1]", &host), Value(2));
    EXPECT_EQ(eval("NOW()", &host), Value(0));
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"UPPER('x'| (1, 2)| 'a,b')", "GETARRAY('arr'|2 + 1)", "NOW()"}));
}

TEST(ExpressionParser, SyntaxErrorsAreReported) {
    for (const char* text :
         {"1 +", "(1", "1)", "1 2", "'open", "* 2", "1 $ 2", "F(1, 2, 3, 4)", "[a", "x(", "1..2"}) {
        EXPECT_THROW(eval(text), ExpressionError) << text;
    }
}

TEST(ExpressionParser, DeepNestingIsRefusedNotCrashing) {
    // Each name is the next bracket level: the host evaluates it again.
    class Recursing : public ParserHost {
    public:
        ExpressionParser parser;
        Value valueOf(const std::string& name) override { return parser.evaluate(name, *this); }
        Value callFunction(const std::string&, std::span<const std::string>) override { return {}; }
    } host;
    std::string text = "1";
    for (int i = 0; i < 200; ++i) text = "[" + text + "]";
    EXPECT_THROW(host.parser.evaluate(text, host), ExpressionError);
    EXPECT_EQ(host.parser.evaluate("[[[2]]]", host), Value(2));
}

}  // namespace

namespace {

TEST(ExpressionParser, HostileTextGivesErrorsNotCrashes) {
    const std::string alphabet = "[]()'\",.;#+-*/=<> 09aZ_\xC3\xA8\r\n";
    std::uint32_t seed = 12345;
    auto nextRandom = [&] { return seed = seed * 1103515245u + 12345u; };
    ExpressionParser parser;
    MapHost host;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = nextRandom() % 24;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[(nextRandom() >> 8) % alphabet.size()];
        try {
            parser.evaluate(text, host);
        } catch (const ExpressionError&) {}
        findBracketedExpression(text, (nextRandom() >> 8) % (text.size() + 1));
    }
    SUCCEED();
}

}  // namespace

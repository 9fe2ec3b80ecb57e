#include "expression/ExpressionOperators.h"

#include "expression/ExpressionError.h"

#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>

namespace expression {

namespace {

struct KeywordEntry {
    std::string_view word;
    Operator op;
};

constexpr std::array<KeywordEntry, 8> kKeywords = {{
    {"AND", Operator::And},
    {"OR", Operator::Or},
    {"NOT", Operator::Not},
    {"MOD", Operator::Mod},
    {"INT", Operator::Int},
    {"FRAC", Operator::Frac},
    {"ROUND", Operator::Round},
    {"STR", Operator::Str},
}};

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

Value integerOrFloat(double v) {
    if (std::fabs(v) < 9.0e15 && v == std::trunc(v)) return Value(static_cast<std::int64_t>(v));
    return Value(v);
}

bool bothIntegers(const Value& a, const Value& b) {
    const auto isInt = [](const Value& v) {
        return v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Boolean || v.isEmpty();
    };
    return isInt(a) && isInt(b);
}

// Integer arithmetic where it cannot overflow, floating point otherwise.
Value arithmetic(Operator op, const Value& a, const Value& b) {
    if (bothIntegers(a, b) && op != Operator::Divide) {
        const std::int64_t x = a.toInteger(), y = b.toInteger();
        std::int64_t r = 0;
        const bool overflow = op == Operator::add        ? __builtin_add_overflow(x, y, &r)
                              : op == Operator::Subtract ? __builtin_sub_overflow(x, y, &r)
                                                         : __builtin_mul_overflow(x, y, &r);
        if (!overflow) return Value(r);
    }
    const double x = a.toDouble(), y = b.toDouble();
    double r = 0;
    switch (op) {
        case Operator::add:
            r = x + y;
            break;
        case Operator::Subtract:
            r = x - y;
            break;
        case Operator::Multiply:
            r = x * y;
            break;
        default:
            r = y == 0.0 ? 0.0 : x / y;
            break;  // dividing by zero gives 0 by design
    }
    // A date moved by a number of days stays a date; the distance of two dates is a number.
    const bool leftDate = a.kind() == Value::Kind::Date, rightDate = b.kind() == Value::Kind::Date;
    if ((op == Operator::add && (leftDate != rightDate)) ||
        (op == Operator::Subtract && leftDate && !rightDate))
        return Value(DateTime{r});
    return Value(r);
}

bool numericText(const Value& v, double& out) {
    return v.isString() && parseNumber(v.asString(), out);
}

Value add(const Value& a, const Value& b, char sep) {
    if (a.isString() && b.isString()) return Value(a.asString() + b.asString());
    if (a.isString() || b.isString()) {
        const Value& text = a.isString() ? a : b;
        const Value& other = a.isString() ? b : a;
        double number = 0;
        if (other.isEmpty()) return text;
        if (!numericText(text, number)) return Value(a.toText(sep) + b.toText(sep));
    }
    return arithmetic(Operator::add, a, b);
}

Value divide(const Value& a, const Value& b) {
    const double divisor = b.toDouble();
    if (divisor == 0.0) return Value(std::int64_t{0});
    return Value(a.toDouble() / divisor);
}

Value modulo(const Value& a, const Value& b) {
    const std::int64_t x = a.toInteger(), y = b.toInteger();
    if (y == 0) return Value(std::int64_t{0});
    if (y == -1) return Value(std::int64_t{0});  // avoids the INT64_MIN % -1 trap
    return Value(x % y);
}

Value logical(Operator op, const Value& a, const Value& b) {
    if (a.kind() == Value::Kind::Boolean && b.kind() == Value::Kind::Boolean)
        return Value(op == Operator::And ? (a.toBool() && b.toBool()) : (a.toBool() || b.toBool()));
    const std::int64_t x = a.toInteger(), y = b.toInteger();
    return Value(op == Operator::And ? (x & y) : (x | y));
}

// -1, 0, 1. Two strings compare as text; a string against a number as numbers when the
// string is one, else as texts.
int compare(const Value& a, const Value& b, char sep) {
    double x = 0, y = 0;
    const bool textCompare = (a.isString() && b.isString()) ||
                             (a.isString() && !b.isEmpty() && !numericText(a, x)) ||
                             (b.isString() && !a.isEmpty() && !numericText(b, y));
    if (textCompare) {
        const std::string l = a.toText(sep), r = b.toText(sep);
        return l < r ? -1 : (l > r ? 1 : 0);
    }
    if (a.isEmpty() && b.isString()) return b.asString().empty() ? 0 : -1;
    if (b.isEmpty() && a.isString()) return a.asString().empty() ? 0 : 1;
    x = a.toDouble();
    y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value truth(bool b) {
    return Value(std::int64_t{b ? 1 : 0});
}

}  // namespace

OperatorInfo operatorInfo(Operator op) {
    switch (op) {
        case Operator::Int:
        case Operator::Frac:
        case Operator::Round:
        case Operator::Str:
            return {0, true};
        case Operator::Multiply:
        case Operator::Divide:
        case Operator::Mod:
        case Operator::And:
        case Operator::Or:
            return {1, false};
        case Operator::Not:
            return {1, true};
        case Operator::add:
        case Operator::Subtract:
            return {2, false};
        case Operator::Negate:
        case Operator::Identity:
            return {2, true};
        default:
            return {3, false};
    }
}

std::optional<Operator> keywordOperator(std::string_view word) {
    for (const KeywordEntry& k : kKeywords)
        if (equalsNoCase(word, k.word)) return k.op;
    return std::nullopt;
}

Value applyBinary(Operator op, const Value& a, const Value& b, char sep) {
    switch (op) {
        case Operator::add:
            return add(a, b, sep);
        case Operator::Subtract:
        case Operator::Multiply:
            return arithmetic(op, a, b);
        case Operator::Divide:
            return divide(a, b);
        case Operator::Mod:
            return modulo(a, b);
        case Operator::And:
        case Operator::Or:
            return logical(op, a, b);
        case Operator::Equal:
            return truth(compare(a, b, sep) == 0);
        case Operator::NotEqual:
            return truth(compare(a, b, sep) != 0);
        case Operator::Less:
            return truth(compare(a, b, sep) < 0);
        case Operator::Greater:
            return truth(compare(a, b, sep) > 0);
        case Operator::LessEqual:
            return truth(compare(a, b, sep) <= 0);
        case Operator::GreaterEqual:
            return truth(compare(a, b, sep) >= 0);
        default:
            throw ExpressionError("Operatore non valido");
    }
}

Value applyPrefix(Operator op, const Value& v, char sep) {
    switch (op) {
        case Operator::Not:
            return truth(!v.toBool());
        case Operator::Identity:
            return v.isString() ? Value(v.toDouble()) : v;
        case Operator::Negate:
            if (v.kind() == Value::Kind::Integer && v.toInteger() != std::numeric_limits<std::int64_t>::min())
                return Value(-v.toInteger());
            return Value(-v.toDouble());
        case Operator::Int:
            return integerOrFloat(std::trunc(v.toDouble()));
        case Operator::Frac: {
            const double x = v.toDouble();
            const double nearest = std::round(x);
            if (std::fabs(x - nearest) < 1e-10) return Value(0.0);
            return Value(x - std::trunc(x));
        }
        case Operator::Round:
            return integerOrFloat(std::round(v.toDouble()));
        case Operator::Str:
            return Value(v.toText(sep));
        default:
            throw ExpressionError("Operatore non valido");
    }
}

}  // namespace expression

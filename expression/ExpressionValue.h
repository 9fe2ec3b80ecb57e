// The value of an expression: empty, integer, floating point, date-time, boolean or string,
// with the conversions the evaluator and the display formats rely on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace expression {

// A date-time as days since 30 December 1899; the fraction is the time of day.
struct DateTime {
    double days = 0.0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

class Value {
public:
    enum class Kind { Empty, Integer, Float, Date, Boolean, String };

    Value() = default;
    Value(std::int64_t v) : data_(v) {}
    Value(int v) : data_(std::int64_t{v}) {}
    Value(double v) : data_(v) {}
    Value(DateTime v) : data_(v) {}
    Value(bool v) : data_(v) {}
    Value(std::string v) : data_(std::move(v)) {}
    Value(const char* v) : data_(std::string(v)) {}

    Kind kind() const { return static_cast<Kind>(data_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isString() const { return kind() == Kind::String; }
    // Integer, float, date and boolean all take part in arithmetic.
    bool isNumeric() const { return !isEmpty() && !isString(); }

    // Numeric view: booleans are 1/0, dates their day count, empty 0; a string is parsed with
    // "," or "." as decimal separator and throws ExpressionError when it is not a number.
    double toDouble() const;
    // Rounded toward zero, as the integer operators (MOD, AND, OR) take their operands.
    std::int64_t toInteger() const;
    // Non-zero numbers and the strings "True"/"1" are true.
    bool toBool() const;
    // Plain conversion to text; numbers use `decimalSeparator`.
    std::string toText(char decimalSeparator = ',') const;

    const std::string& asString() const { return std::get<std::string>(data_); }

    friend bool operator==(const Value&, const Value&) = default;

private:
    std::variant<std::monostate, std::int64_t, double, DateTime, bool, std::string> data_;
};

// Parses a whole text as a number ("," or "." as decimal separator, optional sign and
// surrounding blanks); false when the text is not a number.
bool parseNumber(std::string_view text, double& out);

// Shortest round-trip text of a float with at most 15 significant digits.
std::string formatGeneralFloat(double v, char decimalSeparator);

}  // namespace expression

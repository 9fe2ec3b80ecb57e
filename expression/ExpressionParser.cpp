#include "expression/ExpressionParser.h"

#include "expression/ExpressionError.h"
#include "expression/ExpressionOperators.h"
#include "expression/ExpressionScanner.h"
#include "platform/DepthGuard.h"
#include "platform/Utf8.h"

#include <cctype>
#include <variant>

namespace expression {

struct PostfixName {
    std::string name;
};
struct PostfixCall {
    std::string upperName;
    std::vector<std::string> arguments;
};
using PostfixItem = std::variant<Value, PostfixName, PostfixCall, Operator>;

struct CompiledExpression {
    std::vector<PostfixItem> items;
};

namespace {

constexpr std::size_t kMaxArguments = 3;

std::string syntaxError(std::string_view expression) {
    return "Errore di sintassi nell'espressione: " + std::string(expression);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '"' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool isNamePart(char c) {
    return isNameStart(c) || isDigit(c) || c == '.' || c == '#';
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Shunting-yard conversion of one expression into postfix form.
class Compiler {
public:
    explicit Compiler(std::string_view text) : s_(text) {}

    CompiledExpression run() {
        while (true) {
            skipBlanks();
            if (i_ >= s_.size() || s_[i_] == ';') break;
            readToken();
        }
        if (expectOperand_ && !(out_.items.empty() && stack_.empty())) fail();
        while (!stack_.empty()) {
            if (!stack_.back()) fail();  // "(" never closed
            out_.items.emplace_back(*stack_.back());
            stack_.pop_back();
        }
        return std::move(out_);
    }

private:
    [[noreturn]] void fail() const { throw ExpressionError(syntaxError(s_)); }

    void skipBlanks() {
        while (i_ < s_.size() && isBlank(s_[i_])) ++i_;
    }

    void readToken() {
        const char c = s_[i_];
        if (isDigit(c) || c == ',' || c == '.') return readNumber();
        if (c == '\'') return readString();
        if (c == '[') return readBracketedName();
        if (c == '(') return openParen();
        if (c == ')') return closeParen();
        if (isNameStart(c)) return readWord();
        readSymbolOperator();
    }

    void pushOperand(PostfixItem item) {
        if (!expectOperand_) fail();
        out_.items.push_back(std::move(item));
        expectOperand_ = false;
    }

    void readNumber() {
        const std::size_t start = i_;
        while (i_ < s_.size() && (isDigit(s_[i_]) || s_[i_] == ',' || s_[i_] == '.')) ++i_;
        const std::string_view digits = s_.substr(start, i_ - start);
        double v = 0;
        if (!parseNumber(digits, v)) fail();
        const bool whole = digits.find_first_of(",.") == std::string_view::npos && v < 9.0e15;
        pushOperand(whole ? Value(static_cast<std::int64_t>(v)) : Value(v));
    }

    // 'text', where two single quotes stand for one.
    void readString() {
        std::string text;
        ++i_;
        while (true) {
            if (i_ >= s_.size()) fail();
            if (s_[i_] == '\'') {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                    text += '\'';
                    i_ += 2;
                    continue;
                }
                ++i_;
                break;
            }
            text += s_[i_++];
        }
        pushOperand(Value(std::move(text)));
    }

    void readBracketedName() {
        const auto span = findBracketedExpression(s_, i_);
        if (!span || span->close >= s_.size()) fail();
        pushOperand(PostfixName{std::string(span->inner(s_))});
        i_ = span->close + 1;
    }

    // A word: keyword operator, logical constant, function call, indexed name or plain name.
    void readWord() {
        const std::size_t start = i_;
        while (i_ < s_.size() && isNamePart(s_[i_])) {
            if (s_[i_] == '"') {  // a quoted part of a name, such as kb1."giorno"
                const std::size_t close = s_.find('"', i_ + 1);
                if (close == std::string_view::npos) fail();
                i_ = close + 1;
            } else {
                ++i_;
            }
        }
        const std::string_view word = s_.substr(start, i_ - start);
        if (auto op = keywordOperator(word)) return pushOperator(*op);
        const std::string upperWord = upper(word);
        if (upperWord == "TRUE" || upperWord == "FALSE") return pushOperand(Value(upperWord == "TRUE"));
        skipBlanks();
        if (i_ < s_.size() && s_[i_] == '(') return pushOperand(PostfixCall{upperWord, readArguments()});
        if (i_ < s_.size() && s_[i_] == '[') {
            const auto span = findBracketedExpression(s_, i_);
            if (!span || span->close >= s_.size()) fail();
            i_ = span->close + 1;
            return pushOperand(
                PostfixCall{"GETARRAY", {"'" + escapeQuotes(word) + "'", std::string(span->inner(s_))}});
        }
        pushOperand(PostfixName{std::string(word)});
    }

    static std::string escapeQuotes(std::string_view text) {
        std::string out;
        for (char c : text) {
            out += c;
            if (c == '\'') out += '\'';
        }
        return out;
    }

    // The texts between "(" and its ")", split at the commas that are not nested or quoted.
    std::vector<std::string> readArguments() {
        std::vector<std::string> args;
        int depth = 0;
        bool inSingle = false, inDouble = false;
        std::size_t argStart = ++i_;
        for (; i_ < s_.size(); ++i_) {
            const char c = s_[i_];
            if (c == '\'' && !inDouble)
                inSingle = !inSingle;
            else if (c == '"' && !inSingle)
                inDouble = !inDouble;
            if (inSingle || inDouble) continue;
            if (c == '(' || c == '[')
                ++depth;
            else if ((c == ')' || c == ']') && depth > 0)
                --depth;
            else if (c == ')' || (c == ',' && depth == 0)) {
                args.emplace_back(s_.substr(argStart, i_ - argStart));
                argStart = i_ + 1;
                if (c == ')') break;
            }
        }
        if (i_ >= s_.size()) fail();  // no closing ")"
        ++i_;
        if (args.size() == 1 && args[0].find_first_not_of(" \t\r\n") == std::string::npos) args.clear();
        if (args.size() > kMaxArguments)
            throw ExpressionError("Troppi argomenti nell'espressione: " + std::string(s_));
        return args;
    }

    void readSymbolOperator() {
        const char c = s_[i_];
        const char next = i_ + 1 < s_.size() ? s_[i_ + 1] : '\0';
        ++i_;
        switch (c) {
            case '+':
                return pushOperator(expectOperand_ ? Operator::Identity : Operator::add);
            case '-':
                return pushOperator(expectOperand_ ? Operator::Negate : Operator::Subtract);
            case '*':
                return pushOperator(Operator::Multiply);
            case '/':
                return pushOperator(Operator::Divide);
            case '=':
                return pushOperator(Operator::Equal);
            case '<':
                if (next == '>') {
                    ++i_;
                    return pushOperator(Operator::NotEqual);
                }
                if (next == '=') {
                    ++i_;
                    return pushOperator(Operator::LessEqual);
                }
                return pushOperator(Operator::Less);
            case '>':
                if (next == '=') {
                    ++i_;
                    return pushOperator(Operator::GreaterEqual);
                }
                return pushOperator(Operator::Greater);
            default:
                fail();
        }
    }

    void pushOperator(Operator op) {
        const OperatorInfo info = operatorInfo(op);
        if (info.prefix) {
            if (!expectOperand_) fail();
            stack_.emplace_back(op);
            return;
        }
        if (expectOperand_) fail();
        while (!stack_.empty() && stack_.back() && operatorInfo(*stack_.back()).priority <= info.priority) {
            out_.items.emplace_back(*stack_.back());
            stack_.pop_back();
        }
        stack_.emplace_back(op);
        expectOperand_ = true;
    }

    void openParen() {
        if (!expectOperand_) fail();
        ++i_;
        stack_.emplace_back(std::nullopt);
    }

    void closeParen() {
        if (expectOperand_) fail();
        ++i_;
        while (!stack_.empty() && stack_.back()) {
            out_.items.emplace_back(*stack_.back());
            stack_.pop_back();
        }
        if (stack_.empty()) fail();  // ")" without "("
        stack_.pop_back();
    }

    std::string_view s_;
    std::size_t i_ = 0;
    bool expectOperand_ = true;
    std::vector<std::optional<Operator>> stack_;  // nullopt marks "("
    CompiledExpression out_;
};

// One more level of evaluation; an expression that evaluates itself too deeply is refused.
void refuseTooDeep(const platform::DepthGuard& level) {
    if (level.depth() > ExpressionParser::kMaxDepth) throw ExpressionError("Espressione troppo annidata");
}

}  // namespace

std::string copyCharacters(std::string_view text, std::int64_t from, std::int64_t count) {
    if (count <= 0) return {};
    if (from < 1) from = 1;
    const std::size_t begin = platform::utf8Offset(text, static_cast<std::size_t>(from - 1));
    const std::size_t end = begin + platform::utf8Offset(text.substr(begin), static_cast<std::size_t>(count));
    return std::string(text.substr(begin, end - begin));
}

ExpressionParser::ExpressionParser(char decimalSeparator) : decimalSeparator_(decimalSeparator) {}

std::shared_ptr<const CompiledExpression> ExpressionParser::compile(std::string_view expression) const {
    return std::make_shared<const CompiledExpression>(Compiler(expression).run());
}

Value ExpressionParser::evaluate(std::string_view expression, ParserHost& host) {
    const platform::DepthGuard level(depth_);
    refuseTooDeep(level);
    return compute(Compiler(expression).run(), host);
}

Value ExpressionParser::compute(const CompiledExpression& compiled, ParserHost& host) {
    const platform::DepthGuard level(depth_);
    refuseTooDeep(level);
    std::vector<Value> stack;
    stack.reserve(compiled.items.size());
    for (const PostfixItem& item : compiled.items) {
        if (const auto* constant = std::get_if<Value>(&item)) {
            stack.push_back(*constant);
        } else if (const auto* name = std::get_if<PostfixName>(&item)) {
            stack.push_back(host.valueOf(name->name));
        } else if (const auto* call = std::get_if<PostfixCall>(&item)) {
            if (call->upperName == "IF")
                stack.push_back(computeIf(call->arguments, host));
            else if (call->upperName == "COPY")
                stack.push_back(computeCopy(call->arguments, host));
            else
                stack.push_back(host.callFunction(call->upperName, call->arguments));
        } else {
            const Operator op = std::get<Operator>(item);
            const bool prefix = operatorInfo(op).prefix;
            if (stack.size() < (prefix ? 1u : 2u))
                throw ExpressionError("Errore di sintassi nell'espressione");
            if (prefix) {
                stack.back() = applyPrefix(op, stack.back(), decimalSeparator_);
            } else {
                Value right = std::move(stack.back());
                stack.pop_back();
                stack.back() = applyBinary(op, stack.back(), right, decimalSeparator_);
            }
        }
    }
    if (stack.empty()) return Value();
    return std::move(stack.back());
}

// IF(condition, then, else): the condition is taken as a number; only the chosen branch is
// computed.
Value ExpressionParser::computeIf(std::span<const std::string> args, ParserHost& host) {
    if (args.size() < 2) throw ExpressionError("IF richiede condizione, valore se vero e valore se falso");
    const bool chosen = evaluate(args[0], host).toDouble() != 0.0;
    if (chosen) return evaluate(args[1], host);
    return args.size() > 2 ? evaluate(args[2], host) : Value();
}

// COPY(text, from, count): characters from the 1-based position `from`.
Value ExpressionParser::computeCopy(std::span<const std::string> args, ParserHost& host) {
    if (args.size() != 3) throw ExpressionError("COPY richiede testo, posizione e numero di caratteri");
    const std::string text = evaluate(args[0], host).toText(decimalSeparator_);
    return Value(
        copyCharacters(text, evaluate(args[1], host).toInteger(), evaluate(args[2], host).toInteger()));
}

}  // namespace expression

#include "prepared/PageList.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/Error.h"

namespace prepared {

namespace {

std::string withoutSpaces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

// Range members outside the report are left out, so that "1-2000000000" stays cheap.
void addRange(std::set<int>& numbers, int first, int last, int pageCount) {
    const int from = std::max(first, 1);
    const int to = std::min(last, pageCount);
    for (int n = from; n <= to; ++n) numbers.insert(n);
}

}  // namespace

std::string notAnIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' non è un numero intero valido";
}

int integerFromText(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) rest.remove_prefix(1);
    const bool digitsOnly =
        !rest.empty() && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
    long long magnitude = 0;
    const std::errc error = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude).ec;
    const long long value = negative ? -magnitude : magnitude;
    if (!digitsOnly || error != std::errc() || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        throw platform::Error(notAnIntegerMessage(text));
    return static_cast<int>(value);
}

PageList parsePageList(std::string_view text, int pageCount) {
    std::string list = withoutSpaces(text);
    if (list.empty()) return {};
    if (list.back() == '-') list += std::to_string(pageCount);
    list += ',';

    PageList result;
    result.allPages = false;
    std::size_t numberStart = 0;
    bool inRange = false;
    int rangeStart = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != '-' && list[i] != ',') continue;
        const int number = integerFromText(std::string_view(list).substr(numberStart, i - numberStart));
        numberStart = i + 1;
        if (list[i] == '-') {
            rangeStart = number;
            inRange = true;
            continue;
        }
        if (inRange)
            addRange(result.numbers, rangeStart, number, pageCount);
        else
            result.numbers.insert(number);
        inRange = false;
    }
    return result;
}

}  // namespace prepared

#include "labels/PrescriptionSeries.h"

#include "labels/Month.h"

namespace labels {

namespace {

// Last two digits of the year: 2019 -> "19", 2100 -> "00".
std::string yearDigits(int year) {
    return twoDigits(year % 100);
}

std::string fiveDigitSerial(int n) {
    std::string text = std::to_string(n);
    return std::string(text.size() < 5 ? 5 - text.size() : 0, '0') + text;
}

}  // namespace

char seriesCheckDigit(std::string_view digits) {
    int sum = 0;
    for (char c : digits)
        if (c >= '0' && c <= '9') sum += c - '0';
    return static_cast<char>('0' + sum % 9);
}

std::string seriesClosingCode(int year, ClosingKind kind) {
    return kind == ClosingKind::AllNines ? "99999" : "999" + yearDigits(year);
}

std::vector<std::string> prescriptionSeries(int year, int month, SeriesLength length, ClosingKind closing) {
    const int count = static_cast<int>(length);
    const std::string prefix = yearDigits(year) + twoDigits(month);
    std::vector<std::string> codes;
    codes.reserve(static_cast<std::size_t>(count) + 1);
    for (int n = 1; n <= count; ++n) {
        const std::string body = prefix + fiveDigitSerial(n);
        codes.push_back(body + seriesCheckDigit(body));
    }
    codes.push_back(seriesClosingCode(year, closing));
    return codes;
}

}  // namespace labels

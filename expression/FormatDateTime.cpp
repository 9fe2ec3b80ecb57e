#include "expression/FormatDateTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace expression {

namespace {

constexpr std::array<const char*, 12> kShortMonths = {"gen", "feb", "mar", "apr", "mag", "giu",
                                                      "lug", "ago", "set", "ott", "nov", "dic"};
constexpr std::array<const char*, 12> kLongMonths = {"gennaio",   "febbraio", "marzo",    "aprile",
                                                     "maggio",    "giugno",   "luglio",   "agosto",
                                                     "settembre", "ottobre",  "novembre", "dicembre"};
constexpr std::array<const char*, 7> kShortDays = {"dom", "lun", "mar", "mer", "gio", "ven", "sab"};
constexpr std::array<const char*, 7> kLongDays = {"domenica", "lunedì",  "martedì", "mercoledì",
                                                  "giovedì",  "venerdì", "sabato"};

// Day 0 of the date-time scale is 30 December 1899; dates are limited to years 1..9999.
constexpr double kFirstDay = -693593.0;
constexpr double kLastDay = 2958465.0;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30);

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

std::string twoDigits(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v % 100);
    return b;
}

// Counts how many times the (case-insensitive) letter at `i` repeats.
std::size_t runLength(std::string_view f, std::size_t i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
    std::size_t n = 1;
    while (i + n < f.size() && std::tolower(static_cast<unsigned char>(f[i + n])) == c) ++n;
    return n;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
    return true;
}

class DateTimeWriter {
public:
    DateTimeWriter(std::string_view format, DateTime value)
        : f_(format), t_(decodeDateTime(value)), twelveHour_(hasAmPm(format)) {}

    std::string run() {
        std::size_t i = 0;
        while (i < f_.size()) i = step(i);
        return out_;
    }

private:
    static bool hasAmPm(std::string_view f) {
        for (std::size_t i = 0; i < f.size(); ++i)
            if (startsWithNoCase(f.substr(i), "am/pm") || startsWithNoCase(f.substr(i), "a/p")) return true;
        return false;
    }

    std::size_t step(std::size_t i) {
        const char c = f_[i];
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '"' || c == '\'') {
            const std::size_t close = f_.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? f_.size() : close;
            out_.append(f_.substr(i + 1, end - i - 1));
            return end == f_.size() ? end : end + 1;
        }
        if (startsWithNoCase(f_.substr(i), "am/pm")) {
            out_ += t_.hour < 12 ? "am" : "pm";
            return i + 5;
        }
        if (startsWithNoCase(f_.substr(i), "a/p")) {
            out_ += t_.hour < 12 ? "a" : "p";
            return i + 3;
        }
        const std::size_t n = runLength(f_, i);
        switch (lower) {
            case 'd':
                writeDay(n);
                afterHour_ = false;
                return i + n;
            case 'm':
                writeMonthOrMinute(n);
                return i + n;
            case 'y':
                out_ += n <= 2 ? twoDigits(t_.year) : std::to_string(t_.year);
                afterHour_ = false;
                return i + n;
            case 'h':
                writeNumber(twelveHour_ ? (t_.hour % 12 == 0 ? 12 : t_.hour % 12) : t_.hour, n);
                afterHour_ = true;
                return i + n;
            case 'n':
                writeNumber(t_.minute, n);
                afterHour_ = false;
                return i + n;
            case 's':
                writeNumber(t_.second, n);
                afterHour_ = false;
                return i + n;
            case 'z': {
                char b[8];
                std::snprintf(b, sizeof b, n >= 3 ? "%03d" : "%d", t_.millisecond);
                out_ += b;
                return i + n;
            }
            case 't':
                out_ += formatDateTime(n == 1 ? "hh:nn" : "hh:nn:ss", value());
                return i + n;
            case 'c':
                out_ += defaultDateTimeText(value());
                return i + n;
            default:
                out_ += c;
                return i + 1;
        }
    }

    DateTime value() const {
        auto d = encodeDate(t_.year, t_.month, t_.day);
        return DateTime{(d ? d->days : 0.0) + encodeTime(t_.hour, t_.minute, t_.second, t_.millisecond).days};
    }

    void writeNumber(int v, std::size_t n) { out_ += n >= 2 ? twoDigits(v) : std::to_string(v); }

    void writeDay(std::size_t n) {
        if (n <= 2)
            writeNumber(t_.day, n);
        else if (n == 3)
            out_ += kShortDays[static_cast<std::size_t>(t_.dayOfWeek)];
        else if (n == 4)
            out_ += kLongDays[static_cast<std::size_t>(t_.dayOfWeek)];
        else if (n == 5)
            out_ += formatDateTime("dd/mm/yyyy", value());
        else
            out_ += formatDateTime("d mmmm yyyy", value());
    }

    void writeMonthOrMinute(std::size_t n) {
        if (afterHour_ && n <= 2) {
            writeNumber(t_.minute, n);
            afterHour_ = false;
            return;
        }
        const auto m = static_cast<std::size_t>(t_.month - 1);
        if (n <= 2)
            writeNumber(t_.month, n);
        else if (n == 3)
            out_ += kShortMonths[m];
        else
            out_ += kLongMonths[m];
    }

    std::string_view f_;
    CivilDateTime t_;
    bool twelveHour_;
    bool afterHour_ = false;
    std::string out_;
};

// Reads up to `maxDigits` digits at `i`; false when there is none.
bool readInt(std::string_view s, std::size_t& i, int& out, std::size_t maxDigits = 4) {
    std::size_t start = i;
    out = 0;
    while (i < s.size() && i - start < maxDigits && std::isdigit(static_cast<unsigned char>(s[i])))
        out = out * 10 + (s[i++] - '0');
    return i > start;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

CivilDateTime decodeDateTime(DateTime value) {
    double v = value.days;
    if (!std::isfinite(v)) v = 0.0;
    v = std::clamp(v, kFirstDay, kLastDay + 0.99999999);
    const double whole = std::trunc(v);
    CivilDateTime t;
    const auto dayNumber = static_cast<std::int64_t>(whole);
    civilFromDays(dayNumber + kEpochOffset, t.year, t.month, t.day);
    // 1899-12-30 was a Saturday.
    t.dayOfWeek = static_cast<int>((((dayNumber + 6) % 7) + 7) % 7);
    auto ms = static_cast<std::int64_t>(std::llround(std::fabs(v - whole) * 86400000.0));
    ms = std::min<std::int64_t>(ms, 86399999);
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

std::optional<DateTime> encodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return DateTime{static_cast<double>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset)};
}

DateTime encodeTime(int hour, int minute, int second, int millisecond) {
    return DateTime{(((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0};
}

std::string formatDateTime(std::string_view format, DateTime value) {
    if (format.empty()) return defaultDateTimeText(value);
    return DateTimeWriter(format, value).run();
}

std::string defaultDateTimeText(DateTime value) {
    const CivilDateTime t = decodeDateTime(value);
    const bool hasTime = t.hour || t.minute || t.second;
    if (std::trunc(value.days) == 0.0 && hasTime) return formatDateTime("hh:nn:ss", value);
    return formatDateTime(hasTime ? "dd/mm/yyyy hh:nn:ss" : "dd/mm/yyyy", value);
}

std::optional<DateTime> parseDate(std::string_view text) {
    text = trim(text);
    std::size_t i = 0;
    int d = 0, m = 0, y = 0;
    auto isSep = [&](std::size_t k) {
        return k < text.size() && (text[k] == '/' || text[k] == '.' || text[k] == '-');
    };
    if (!readInt(text, i, d, 2) || !isSep(i)) return std::nullopt;
    ++i;
    if (!readInt(text, i, m, 2) || !isSep(i)) return std::nullopt;
    ++i;
    const std::size_t yearStart = i;
    if (!readInt(text, i, y, 4) || i != text.size()) return std::nullopt;
    if (i - yearStart <= 2) y += y < 50 ? 2000 : 1900;
    return encodeDate(y, m, d);
}

std::optional<DateTime> parseTime(std::string_view text) {
    text = trim(text);
    std::size_t i = 0;
    int h = 0, n = 0, s = 0;
    if (!readInt(text, i, h, 2) || i >= text.size() || (text[i] != ':' && text[i] != '.'))
        return std::nullopt;
    ++i;
    if (!readInt(text, i, n, 2)) return std::nullopt;
    if (i < text.size() && (text[i] == ':' || text[i] == '.')) {
        ++i;
        if (!readInt(text, i, s, 2)) return std::nullopt;
    }
    if (i != text.size() || h > 23 || n > 59 || s > 59) return std::nullopt;
    return encodeTime(h, n, s);
}

}  // namespace expression

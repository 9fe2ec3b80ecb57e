#include "printer/PageOffset.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Rounding.h"
#include "printer/PageUnits.h"

namespace printer {

namespace {

constexpr double kMmPerInch = 25.4;

std::optional<double> parseMm(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end || !isValidOffsetMm(value)) return std::nullopt;
    return value;
}

int shifted(int v, double mm, double dotsPerInch) {
    return platform::roundToInt(static_cast<double>(v) + mm * dotsPerInch / kMmPerInch);
}

double dotsPerInch(int dots, int pixels) {
    if (dots <= 0 || pixels <= 0) return 0;
    return static_cast<double>(dots) / pixels * kPagePixelsPerInch;
}

}  // namespace

bool isValidOffsetMm(double mm) {
    return std::isfinite(mm) && std::abs(mm) <= kMaxPageOffsetMm + 1e-9;
}

std::optional<PageOffset> parsePageOffset(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = parseMm(text.substr(0, comma));
    const auto y = parseMm(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return PageOffset{*x, *y};
}

std::string offsetMmText(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::round(mm * 10) / 10 + 0.0);
    return text;
}

platform::Rect shiftedByOffset(const platform::Rect& rect, const PageOffset& offset, double dotsPerInchX,
                               double dotsPerInchY) {
    return {shifted(rect.left, offset.xMm, dotsPerInchX), shifted(rect.top, offset.yMm, dotsPerInchY),
            shifted(rect.right, offset.xMm, dotsPerInchX), shifted(rect.bottom, offset.yMm, dotsPerInchY)};
}

double geometryDotsPerInchX(const PrinterGeometry& g) {
    return dotsPerInch(g.paperWidthDots, g.paperWidthPx);
}

double geometryDotsPerInchY(const PrinterGeometry& g) {
    return dotsPerInch(g.paperHeightDots, g.paperHeightPx);
}

}  // namespace printer

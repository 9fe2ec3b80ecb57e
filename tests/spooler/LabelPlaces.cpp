#include "tests/spooler/LabelPlaces.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>

#include "tests/spooler/PdfInfo.h"

namespace spooler_test {

namespace fs = std::filesystem;

namespace {

constexpr int kDpi = 300;
constexpr double kMmPerInch = 25.4;
// A bar is a dark run at least this tall; the digits printed under a symbol are shorter.
constexpr double kShortestBarMm = 4.0;
// Bars closer than this belong to one symbol; neighbouring symbols keep a wider quiet zone.
constexpr double kWidestGapInSymbolMm = 1.2;
// Room cut out around a symbol for the scanner: part of the quiet zone, never a neighbour.
constexpr double kCutMarginMm = 1.5;
constexpr int kWhiteBorder = 60;

int pixels(double mm) {
    return static_cast<int>(std::lround(mm * kDpi / kMmPerInch));
}

double millimetres(int pixels) {
    return pixels * kMmPerInch / kDpi;
}

bool dark(const QImage& image, int x, int y) {
    return image.constScanLine(y)[x] < 128;
}

// Pixels that lie on a vertical dark run at least kShortestBarMm tall.
std::vector<std::vector<bool>> barPixels(const QImage& image) {
    const int w = image.width(), h = image.height(), shortest = pixels(kShortestBarMm);
    std::vector<std::vector<bool>> bars(static_cast<std::size_t>(h),
                                        std::vector<bool>(static_cast<std::size_t>(w)));
    for (int x = 0; x < w; ++x) {
        int start = -1;
        for (int y = 0; y <= h; ++y) {
            const bool d = y < h && dark(image, x, y);
            if (d && start < 0) start = y;
            if (!d && start >= 0) {
                if (y - start >= shortest)
                    for (int r = start; r < y; ++r)
                        bars[static_cast<std::size_t>(r)][static_cast<std::size_t>(x)] = true;
                start = -1;
            }
        }
    }
    return bars;
}

struct Box {
    int left, top, right, bottom;  // pixels, right and bottom exclusive
};

// Runs of true values, with gaps up to `gap` bridged.
std::vector<std::pair<int, int>> runs(const std::vector<bool>& on, int gap) {
    std::vector<std::pair<int, int>> found;
    for (int i = 0; i < static_cast<int>(on.size()); ++i) {
        if (!on[static_cast<std::size_t>(i)]) continue;
        if (!found.empty() && i - found.back().second <= gap)
            found.back().second = i + 1;
        else
            found.push_back({i, i + 1});
    }
    return found;
}

std::vector<Box> symbolBoxes(const QImage& image) {
    const auto bars = barPixels(image);
    const int w = image.width(), h = image.height();
    std::vector<bool> rowHasBars(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        rowHasBars[static_cast<std::size_t>(y)] =
            std::find(bars[static_cast<std::size_t>(y)].begin(), bars[static_cast<std::size_t>(y)].end(),
                      true) != bars[static_cast<std::size_t>(y)].end();
    std::vector<Box> boxes;
    for (const auto& [top, bottom] : runs(rowHasBars, 2)) {
        std::vector<bool> columnHasBars(static_cast<std::size_t>(w));
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < w; ++x)
                if (bars[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])
                    columnHasBars[static_cast<std::size_t>(x)] = true;
        for (const auto& [left, right] : runs(columnHasBars, pixels(kWidestGapInSymbolMm))) {
            Box box{left, bottom, right, top};
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x)
                    if (bars[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
                        box.top = std::min(box.top, y);
                        box.bottom = std::max(box.bottom, y + 1);
                    }
            boxes.push_back(box);
        }
    }
    return boxes;
}

// Each symbol cut out on a white field, for the scanner.
fs::path cutOut(const QImage& page, const Box& box, const fs::path& file) {
    const int margin = pixels(kCutMarginMm);
    const QRect area =
        QRect(QPoint(box.left - margin, box.top - margin), QPoint(box.right + margin, box.bottom + margin))
            .intersected(page.rect());
    QImage cut(area.width() + 2 * kWhiteBorder, area.height() + 2 * kWhiteBorder, QImage::Format_Grayscale8);
    cut.fill(Qt::white);
    QPainter painter(&cut);
    painter.drawImage(kWhiteBorder, kWhiteBorder, page.copy(area));
    painter.end();
    cut.save(QString::fromStdString(file.string()));
    return file;
}

struct Reading {
    std::string text;
    bool upright = false;
};

// One scanner run over all cut-outs of a page: file name → what it read.
std::map<std::string, Reading> scan(const std::vector<fs::path>& files) {
    std::string command = "zbarimg --xml -q";
    for (const fs::path& f : files) command += " '" + f.string() + "'";
    std::string xml;
    runCommand(command + " 2>/dev/null", xml);
    std::map<std::string, Reading> readings;
    static const std::regex source(R"(<source href='([^']*)'>)");
    static const std::regex symbol(R"(<symbol [^>]*orientation='(\w+)'[^>]*><data><!\[CDATA\[([^\]]*)\]\]>)");
    std::string current;
    std::size_t pos = 0;
    while (pos < xml.size()) {
        std::smatch s, y;
        const std::string rest = xml.substr(pos);
        const bool hasSource = std::regex_search(rest, s, source);
        const bool hasSymbol = std::regex_search(rest, y, symbol);
        if (!hasSource && !hasSymbol) break;
        if (hasSource && (!hasSymbol || s.position(0) < y.position(0))) {
            current = s[1];
            pos += static_cast<std::size_t>(s.position(0) + s.length(0));
        } else {
            Reading& r = readings[current];
            if (r.text.empty()) r = {y[2], y[1] == "UP"};
            pos += static_cast<std::size_t>(y.position(0) + y.length(0));
        }
    }
    return readings;
}

}  // namespace

std::vector<std::vector<LabelPlace>> measureLabelPlaces(const std::string& pdf, const fs::path& scratch) {
    fs::create_directories(scratch);
    std::string ignored;
    const std::string prefix = (scratch / "pagina").string();
    if (runCommand("pdftoppm -r 300 -gray '" + pdf + "' '" + prefix + "' 2>/dev/null", ignored) != 0)
        return {};
    std::vector<fs::path> images;
    for (const auto& item : fs::directory_iterator(scratch))
        if (item.path().extension() == ".pgm") images.push_back(item.path());
    std::sort(images.begin(), images.end());  // equal-width page numbers: name order is page order
    std::vector<std::vector<LabelPlace>> pages;
    for (const fs::path& imagePath : images) {
        const QImage page =
            QImage(QString::fromStdString(imagePath.string())).convertToFormat(QImage::Format_Grayscale8);
        const std::vector<Box> boxes = symbolBoxes(page);
        std::vector<fs::path> cuts;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            char number[24];
            std::snprintf(number, sizeof number, "%03zu", i);
            cuts.push_back(cutOut(page, boxes[i], scratch / ("simbolo-" + std::string(number) + ".png")));
        }
        const std::map<std::string, Reading> readings = scan(cuts);
        std::vector<LabelPlace> places;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            LabelPlace place{millimetres(b.left),
                             millimetres(b.top),
                             millimetres(b.right),
                             millimetres(b.bottom),
                             {},
                             false};
            if (auto it = readings.find(cuts[i].string()); it != readings.end()) {
                place.text = it->second.text;
                place.upright = it->second.upright;
            }
            places.push_back(place);
            fs::remove(cuts[i]);
        }
        pages.push_back(std::move(places));
        fs::remove(imagePath);
    }
    return pages;
}

double largestEdgeDistance(const LabelPlace& a, const LabelPlace& b) {
    return std::max({std::abs(a.leftMm - b.leftMm), std::abs(a.topMm - b.topMm),
                     std::abs(a.rightMm - b.rightMm), std::abs(a.bottomMm - b.bottomMm)});
}

std::string describe(const LabelPlace& place) {
    char text[160];
    std::snprintf(text, sizeof text, "(%.2f, %.2f)-(%.2f, %.2f) %s%s", place.leftMm, place.topMm,
                  place.rightMm, place.bottomMm, place.text.empty() ? "(illeggibile)" : place.text.c_str(),
                  place.upright ? "" : " capovolto");
    return text;
}

}  // namespace spooler_test

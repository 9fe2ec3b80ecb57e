#include "labels/TestSheet.h"

#include <cmath>
#include <memory>
#include <string>

#include "labels/LabelSlots.h"
#include "preparation/PageArea.h"
#include "printer/PageUnits.h"
#include "report/LineView.h"
#include "report/MemoView.h"

namespace labels {

namespace {

constexpr double kPixelsPerMm = printer::kPagePixelsPerInch / 25.4;
constexpr double kCrossArmMm = 3;
// Ruler ticks: every millimetre, longer every 5, longest with the number every 10.
constexpr double kTickMm = 1.5, kFiveTickMm = 2.5, kTenTickMm = 4;
constexpr int kNumberPoints = 6;
constexpr int kNumberWidth = 20, kNumberHeight = 12;

int px(double mm) {
    return static_cast<int>(std::lround(mm * kPixelsPerMm));
}

// Writes the objects of one page into its stream as preparation would print them.
class SheetWriter {
public:
    SheetWriter(prepared::PreparedPages& pages, report::Page& page, const preparation::PageArea& area)
        : page_(page),
          context_{pages.pageStream(pages.count() - 1), nullptr, nullptr, {area.left, area.right, false}} {}

    void outline(const LabelSlot& slot) {
        report::MemoView frame;
        frame.frameTyp = report::kFrameAll;
        place(frame, slot.left, slot.top, slot.width, slot.height);
    }
    void horizontal(int left, int top, int width) {
        report::LineView line;
        place(line, left, top, width, 0);
    }
    void vertical(int left, int top, int height) {
        report::LineView line;
        place(line, left, top, 0, height);
    }
    void number(int left, int top, int value) {
        report::MemoView text;
        text.memo = {std::to_string(value)};
        text.font.size = kNumberPoints;
        place(text, left, top, kNumberWidth, kNumberHeight);
    }

private:
    void place(report::View& object, int left, int top, int width, int height) {
        object.left = left, object.top = top, object.width = width, object.height = height;
        object.page = &page_;
        object.print(context_);
    }

    report::Page& page_;
    report::PrintContext context_;
};

void drawCross(SheetWriter& sheet, const LabelSlot& slot) {
    const int cx = slot.left + slot.width / 2, cy = slot.top + slot.height / 2, arm = px(kCrossArmMm);
    sheet.horizontal(cx - arm, cy, 2 * arm);
    sheet.vertical(cx, cy - arm, 2 * arm);
}

double tickMm(int mm) {
    return mm % 10 == 0 ? kTenTickMm : mm % 5 == 0 ? kFiveTickMm : kTickMm;
}

// Millimetres counted from the paper's top-left corner, inside the printable area.
void drawRulers(SheetWriter& sheet, const preparation::PageArea& area) {
    for (int mm = static_cast<int>(std::ceil(area.left / kPixelsPerMm)); px(mm) <= area.right; ++mm) {
        sheet.vertical(px(mm), area.top, px(tickMm(mm)));
        if (mm % 10 == 0) sheet.number(px(mm) + 1, area.top + px(kTenTickMm), mm);
    }
    for (int mm = static_cast<int>(std::ceil(area.top / kPixelsPerMm)); px(mm) <= area.bottom; ++mm) {
        sheet.horizontal(area.left, px(mm), px(tickMm(mm)));
        if (mm % 10 == 0) sheet.number(area.left + px(kTenTickMm) + 1, px(mm) + 1, mm);
    }
}

}  // namespace

void buildTestSheet(report::Report& labelTemplate, prepared::PreparedPages& pages) {
    const std::vector<LabelSlot> slots = labelSlots(labelTemplate);  // fits the pages too
    pages.clear();
    report::Page* page = nullptr;
    for (const auto& p : labelTemplate.pages())
        if (p->pageKind == 0 && !page) page = p.get();
    if (!page) return;
    pages.add(*page);
    const preparation::PageArea area = preparation::pageAreaOf(*page);
    SheetWriter sheet(pages, *page, area);
    for (const LabelSlot& slot : slots) {
        sheet.outline(slot);
        drawCross(sheet, slot);
    }
    drawRulers(sheet, area);
}

}  // namespace labels

// Builders shared by the prepared-pages tests and benchmark: template pages on the virtual
// printer's A4 landscape paper and prepared pages filled with label-like objects.
#pragma once

#include <memory>
#include <string>

#include "prepared/PageStreamEntry.h"
#include "prepared/PreparedPages.h"
#include "printer/Printer.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "tests/report/ReportTestSupport.h"

namespace pages_test {

// A template page whose paper the printer has accepted, with the printer's geometry.
inline std::unique_ptr<report::Page> templatePage(printer::Printer& printer, int orientation = 1) {
    printer.setPaper(9, 2100, 2970, -1, orientation, true);
    auto page = std::make_unique<report::Page>();
    page->paperSize = printer.paperSize();
    page->paperWidth = printer.paperWidth();
    page->paperHeight = printer.paperHeight();
    page->orientation = printer.orientation();
    page->bin = printer.bin();
    page->useMargins = false;
    page->margins = {18, 19, 20, 21};
    page->printerGeometry = printer.geometry().values();
    return page;
}

inline std::unique_ptr<report::MemoView> memo(const std::string& text, int left, int top, int width = 120,
                                              int height = 20) {
    auto m = std::make_unique<report::MemoView>();
    m->memo = {text};
    m->left = left;
    m->top = top;
    m->width = width;
    m->height = height;
    m->frameTyp = report::kFrameAll;
    return m;
}

inline std::unique_ptr<report::LineView> line(int left, int top, int width) {
    auto l = std::make_unique<report::LineView>();
    l->left = left;
    l->top = top;
    l->width = width;
    l->height = 0;
    l->frameTyp = report::kFrameTop;
    return l;
}

inline std::unique_ptr<report_test::FakeBarcodeView> bar(const std::string& text, int left, int top) {
    auto b = std::make_unique<report_test::FakeBarcodeView>();
    b->memo = {text};
    b->left = left;
    b->top = top;
    b->width = 150;
    b->height = 50;
    return b;
}

// Writes an object into page `index`'s stream as the preparation engine does.
inline void print(prepared::PreparedPages& pages, int index, report::View& object) {
    prepared::writePageStreamEntry(pages.pageStream(index), object);
}

// A label sheet: a heading, 6 × 9 cells of barcode + code text, a rule under the heading.
inline void addLabelSheet(prepared::PreparedPages& pages, const report::Page& tpl, int sheet, bool withBars) {
    pages.add(tpl);
    const int index = pages.count() - 1;
    print(pages, index, *memo("Foglio " + std::to_string(sheet + 1), 20, 10, 300));
    print(pages, index, *line(20, 34, 1000));
    for (int col = 0; col < 6; ++col) {
        for (int row = 0; row < 9; ++row) {
            const std::string code = std::to_string(1000000 + sheet * 54 + col * 9 + row);
            const int x = 20 + col * 170, y = 40 + row * 75;
            if (withBars) print(pages, index, *bar(code, x, y));
            print(pages, index, *memo(code, x, y + 52, 150, 18));
        }
    }
}

}  // namespace pages_test

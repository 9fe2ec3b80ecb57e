#include "labels/LabelTemplateBuilder.h"

#include <memory>
#include <optional>
#include <string>

#include "barcode_object/BarcodeObject.h"
#include "report/BandView.h"
#include "report/LineView.h"
#include "report/MemoView.h"

namespace labels {

namespace {

// Saving writes the name of the report's printer; while building, that printer is the one the
// templates were drawn for, whatever printer the program has selected.
class LabelPrinter : public report::PrinterLink {
public:
    std::string currentPrinterName() const override { return kLabelPrinterName; }
    bool isVirtualPrinter() const override { return false; }
    bool hasPrinter(const std::string& name) const override { return name == kLabelPrinterName; }
    void selectPrinter(const std::string&) override {}
    std::optional<report::PaperSettings> applyPaper(const report::PaperSettings& wanted) override {
        return wanted;
    }
    report::PaperSettings defaultPaper() const override { return {}; }
};

// A4 landscape, no margins, page columns 7 pixels apart.
void setUpPage(report::Page& page, int columns) {
    page.paperSize = 9;
    page.paperWidth = 2970;
    page.paperHeight = 2100;
    page.orientation = 1;
    page.margins = {0, 0, 0, 0};
    page.bin = 0xFFFF;
    page.useMargins = true;
    page.pageColumns = columns;
    page.pageColumnGap = 7;
}

template <typename ViewKind>
std::unique_ptr<ViewKind> named(std::string_view name) {
    auto view = std::make_unique<ViewKind>();
    view->setName(std::string(name));
    view->formatCode = kLabelFormatCode;
    return view;
}

struct ObjectMaker {
    std::unique_ptr<report::View> operator()(const TemplateBand& b) const {
        auto band = named<report::BandView>(b.name);
        band->setBandType(b.bandType);
        band->left = 0;
        band->top = b.top;
        band->width = 1071;
        band->height = b.height;
        band->formatText = std::string(b.dataSource);
        return band;
    }
    std::unique_ptr<report::View> operator()(const TemplateBarcode& b) const {
        auto bar = named<barcode_object::BarcodeObject>("Bar1");
        bar->left = b.left;
        bar->top = b.top;
        bar->width = 129;
        bar->height = b.height;
        bar->memo = {"[kb1.\"giorno\"]"};
        bar->settings.withCheckSum = false;
        return bar;
    }
    std::unique_ptr<report::View> operator()(const TemplateText& t) const {
        auto memo = named<report::MemoView>(t.name);
        memo->left = t.left;
        memo->top = t.top;
        memo->width = t.width;
        memo->height = t.height;
        memo->memo = {std::string(t.text)};
        memo->alignment = report::kAlignCenter;
        memo->font.size = t.points;
        memo->font.style = t.style;
        memo->frameTyp = static_cast<std::uint16_t>(t.frameTyp);
        memo->frameWidth = t.frameWidth;
        return memo;
    }
    std::unique_ptr<report::View> operator()(const TemplateRule& r) const {
        auto line = named<report::LineView>(r.name);
        line->left = r.left;
        line->top = r.top;
        line->width = r.width;
        line->height = 0;
        line->frameTyp = report::kFrameTop;
        return line;
    }
};

}  // namespace

void buildLabelTemplate(report::Report& report, const LabelTemplateLayout& layout) {
    report.printerName = kLabelPrinterName;
    report::Page& page = report.addPage();
    setUpPage(page, layout.pageColumns);
    for (const TemplateObject& object : layout.objects) page.addObject(std::visit(ObjectMaker{}, object));
}

std::vector<std::uint8_t> saveLabelTemplate(report::Report& report) {
    LabelPrinter printer;
    report::PrinterLink* kept = report.printer;
    report.printer = &printer;
    std::vector<std::uint8_t> bytes = report.saveToStream();
    report.printer = kept;
    return bytes;
}

}  // namespace labels

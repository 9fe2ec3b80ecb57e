// Shared pieces of the report tests and benchmark: a stand-in add-in object with the barcode
// record's 24-byte tail, and the label templates built as objects.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "report/BandView.h"
#include "report/ErrorReporter.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/ObjectRegistry.h"
#include "report/Report.h"

namespace report_test {

// A report loaded from template bytes, with the errors its loading reported.
struct LoadedReport {
    report::CollectingErrorReporter errors;
    report::Report report;
    bool ok = false;
    explicit LoadedReport(std::span<const std::uint8_t> bytes) {
        report.errors = &errors;
        ok = report.loadFromStream(bytes);
    }
};

// An add-in with the barcode object's stream tail, so templates can be built and read
// without the barcode layer.
class FakeBarcodeView : public report::View {
public:
    static constexpr const char* kClassName = "TfrBarCodeView";
    FakeBarcodeView() { memo = {"12345678"}; }
    std::string className() const override { return kClassName; }
    std::string baseName() const override { return "Bar"; }

    bool withCheckSum = true, showText = true;
    std::uint8_t reserved = 0, barType = 3;
    std::int32_t modul = 1;
    double ratio = 2.0, angle = 0.0;
    int optionSetTo = 0;

    void setIntOption(int v) override { optionSetTo = v; }
    void readRecord(platform::ByteReader& in, int version, report::RecordKind kind) override {
        View::readRecord(in, version, kind);
        withCheckSum = in.u8() != 0;
        showText = in.u8() != 0;
        reserved = in.u8();
        barType = in.u8();
        modul = in.i32();
        ratio = in.f64();
        angle = in.f64();
    }
    void writeRecord(platform::ByteWriter& out, report::RecordKind kind,
                     const report::RecordFields& fields) const override {
        View::writeRecord(out, kind, fields);
        out.u8(withCheckSum);
        out.u8(showText);
        out.u8(reserved);
        out.u8(barType);
        out.i32(modul);
        out.f64(ratio);
        out.f64(angle);
    }
};

// Registers the fake add-in for the lifetime of the object.
struct FakeBarcodeRegistration {
    FakeBarcodeRegistration() {
        report::registerAddIn(FakeBarcodeView::kClassName,
                              [] { return std::make_unique<FakeBarcodeView>(); });
    }
    ~FakeBarcodeRegistration() { report::unregisterAddIn(FakeBarcodeView::kClassName); }
};

inline report::BandView& addBand(report::Page& page, const std::string& name, int type, int top, int height,
                                 const std::string& source) {
    auto band = std::make_unique<report::BandView>();
    band->setName(name);
    band->setBandType(type);
    band->left = 0;
    band->top = top;
    band->width = 1071;
    band->height = height;
    band->formatText = source;
    band->formatCode = 556;
    return static_cast<report::BandView&>(*page.addObject(std::move(band)));
}

struct Box {
    int left, top, width, height;
};

inline report::MemoView& addMemo(report::Page& page, const std::string& name, Box r, const std::string& text,
                                 int size, int style) {
    auto memo = std::make_unique<report::MemoView>();
    memo->setName(name);
    memo->left = r.left;
    memo->top = r.top;
    memo->width = r.width;
    memo->height = r.height;
    memo->memo = {text};
    memo->formatCode = 556;
    memo->alignment = report::kAlignCenter;
    memo->font.size = size;
    memo->font.style = style;
    return static_cast<report::MemoView&>(*page.addObject(std::move(memo)));
}

inline FakeBarcodeView& addBar(report::Page& page, int left, int top, int height) {
    auto bar = std::make_unique<FakeBarcodeView>();
    bar->setName("Bar1");
    bar->left = left;
    bar->top = top;
    bar->width = 129;
    bar->height = height;
    bar->memo = {"[kb1.\"giorno\"]"};
    bar->formatCode = 556;
    bar->withCheckSum = false;
    return static_cast<FakeBarcodeView&>(*page.addObject(std::move(bar)));
}

inline report::LineView& addLine(report::Page& page, const std::string& name, int left, int top, int width) {
    auto line = std::make_unique<report::LineView>();
    line->setName(name);
    line->left = left;
    line->top = top;
    line->width = width;
    line->height = 0;
    line->frameTyp = report::kFrameTop;
    line->formatCode = 556;
    return static_cast<report::LineView&>(*page.addObject(std::move(line)));
}

// The page and header every label template shares.
inline report::Page& labelPage(report::Report& r, int columns) {
    r.printerName = "PCL6 V4 Driver for Universal Print";
    report::Page& page = r.addPage();
    page.paperSize = 9;
    page.paperWidth = 2970;
    page.paperHeight = 2100;
    page.orientation = 1;
    page.pageColumns = columns;
    page.pageColumnGap = 7;
    return page;
}

// The series template: one data band and one barcode.
inline void buildSeriesTemplate(report::Report& r) {
    report::Page& page = labelPage(r, 6);
    addBand(page, "DatiMaster1", report::kBandMasterData, 28, 78, "frDBDataSet1");
    addBar(page, 28, 36, 54);
}

// The oxygen template: page header, data band, barcode, tick line and four outside texts.
inline void buildOxygenTemplate(report::Report& r) {
    report::Page& page = labelPage(r, 2);
    addBand(page, "DatiMaster1", report::kBandMasterData, 168, 90, "frDBDataSet1");
    addBand(page, "Intestaz.Pagina1", report::kBandPageHeader, 32, 80, "");
    addBar(page, 76, 180, 62);
    addMemo(page, "Memo1", {344, 36, 368, 26}, "STAMPA CODICI OSSIGENO", 14, platform::kBold);
    auto& memo2 = addMemo(page, "Memo2", {292, 116, 244, 30}, " 200bar lt", 14, 0);
    memo2.frameTyp = report::kFrameRight;
    memo2.frameWidth = 3;
    addLine(page, "Line2", 20, 168, 4);
    auto& memo6 = addMemo(page, "Memo6", {292, 152, 244, 586}, "7 ", 72, 0);
    memo6.frameTyp = report::kFrameRight;
    memo6.frameWidth = 3;
    addMemo(page, "Memo3", {812, 116, 244, 30}, " 200bar  lt", 14, 0);
    addMemo(page, "Memo4", {812, 152, 244, 562}, "14", 72, 0);
}

}  // namespace report_test

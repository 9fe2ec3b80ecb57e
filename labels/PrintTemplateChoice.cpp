#include "labels/PrintTemplateChoice.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "barcode_object/BarcodeLayout.h"
#include "barcode_object/BarcodeObject.h"
#include "labels/AppError.h"
#include "labels/LabelCodeCheck.h"
#include "labels/LabelSlots.h"
#include "printer/PageUnits.h"
#include "report/BandView.h"

namespace labels {

namespace {

constexpr const char* kLabelField = "giorno";

// Where a list moves when a code does not fit the chosen template: only between the templates
// without a heading, whose sheets hold nothing but the codes.
constexpr std::pair<ReportKind, ReportKind> kWiderTemplate[] = {
    {ReportKind::Series, ReportKind::DatesAndCodes},
};

std::optional<ReportKind> widerTemplateOf(ReportKind kind) {
    for (const auto& [from, to] : kWiderTemplate)
        if (from == kind) return to;
    return std::nullopt;
}

double millimetres(int pagePixels) {
    return pagePixels * 25.4 / printer::kPagePixelsPerInch;
}

std::string millimetreText(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", mm);
    std::string out = text;
    for (char& c : out)
        if (c == '.') c = ',';
    return out + " mm";
}

// The symbol on each label and the room it has: from where it starts to the label's end.
class LabelMeasure {
public:
    explicit LabelMeasure(report::Report& labelTemplate) {
        const std::vector<LabelSlot> slots = labelSlots(labelTemplate);
        for (const auto& page : labelTemplate.pages()) {
            if (page->pageKind != 0) continue;
            for (const auto& object : page->objects()) {
                if (const auto* b = dynamic_cast<const report::BandView*>(object.get());
                    b && b->bandType() == report::kBandMasterData && !band_)
                    band_ = b;
                if (const auto* bar = dynamic_cast<const barcode_object::BarcodeObject*>(object.get());
                    bar && !bar_)
                    bar_ = bar;
            }
            break;
        }
        if (!bar_ || !band_ || slots.empty()) return;
        const LabelSlot& label = slots.front();
        upright_ = barcode_object::runsAlongHeight(bar_->settings.angle);
        room_ = upright_ ? band_->top + band_->height - bar_->top : label.left + label.width - bar_->left;
        labelPixels_ = upright_ ? label.height : label.width;
        generator_.setType(static_cast<barcode::BarcodeType>(bar_->settings.barType));
        generator_.setModul(bar_->settings.modul);
        generator_.setRatio(bar_->settings.ratio);
        generator_.setChecksum(bar_->settings.withCheckSum);
    }

    bool measures() const { return bar_ != nullptr && band_ != nullptr && labelPixels_ > 0; }
    double labelMm() const { return millimetres(labelPixels_); }

    // The symbol's length in page pixels, when it exceeds the room on the label.
    std::optional<int> overflow(const std::string& code) {
        if (!measures() || code.empty()) return std::nullopt;  // an empty label draws no symbol
        generator_.setText(code);
        int length = 0;
        try {
            length = generator_.width();
        } catch (const barcode::BarcodeError&) {
            return std::nullopt;  // no bars at all: the carried-character check refuses it
        }
        if (length <= room_) return std::nullopt;
        return length;
    }

private:
    const barcode_object::BarcodeObject* bar_ = nullptr;
    const report::BandView* band_ = nullptr;
    bool upright_ = false;
    int room_ = 0;
    int labelPixels_ = 0;
    barcode::BarcodeGenerator generator_;
};

std::string describeTemplate(report::Report& labelTemplate, ReportKind kind) {
    int columns = 1;
    for (const auto& page : labelTemplate.pages())
        if (page->pageKind == 0) {
            columns = std::max(page->pageColumns, 1);
            break;
        }
    return std::string(reportKindTitle(kind)) + " (" + std::to_string(columns) + " colonn" +
           (columns == 1 ? "a" : "e") + ", " + std::to_string(labelsPerSheet(labelTemplate)) +
           " etichette per foglio)";
}

std::string tooWideText(const CodeTooWide& wide, const std::string& templateName) {
    std::string text = "Il codice \"" + wide.code + "\" (riga " + std::to_string(wide.row) + ")";
    if (wide.count > 1)
        text += " e altri " + std::to_string(wide.count - 1) + (wide.count == 2 ? " codice" : " codici");
    text += std::string(wide.count > 1 ? " non entrano" : " non entra") + " nelle etichette del modello " +
            templateName + ": il codice a barre \xC3\xA8 largo " + millimetreText(wide.symbolMm) +
            ", l'etichetta " + millimetreText(wide.labelMm) + ".";
    return text;
}

void refuseUncarriedCodes(memtable::MemTable& printList, ReportKind kind) {
    if (!printList.isActive()) return;
    const int field = printList.fieldIndex(kLabelField);
    if (field < 0) return;
    for (int row = 0; row < printList.recordCount(); ++row)
        refuseUncarriedCode(printList.fieldTextAt(row, field), {static_cast<std::size_t>(row) + 1},
                            static_cast<int>(kind));
}

}  // namespace

std::optional<CodeTooWide> firstCodeTooWide(report::Report& labelTemplate, memtable::MemTable& printList) {
    if (!printList.isActive()) return std::nullopt;
    const int field = printList.fieldIndex(kLabelField);
    LabelMeasure measure(labelTemplate);
    if (field < 0 || !measure.measures()) return std::nullopt;
    std::optional<CodeTooWide> first;
    int count = 0;
    for (int row = 0; row < printList.recordCount(); ++row) {
        std::string code = printList.fieldTextAt(row, field);
        const std::optional<int> length = measure.overflow(code);
        if (!length) continue;
        ++count;
        if (!first) first = CodeTooWide{std::move(code), row + 1, 0, millimetres(*length), measure.labelMm()};
    }
    if (first) first->count = count;
    return first;
}

PrintTemplate choosePrintTemplate(LabelReports& reports, memtable::MemTable& printList, ReportKind chosen,
                                  bool mayMove) {
    const auto templateOf = [&reports](ReportKind kind) -> report::Report& {
        return reports.report(static_cast<int>(kind));
    };
    report::Report& chosenTemplate = templateOf(chosen);
    const std::optional<CodeTooWide> wide = firstCodeTooWide(chosenTemplate, printList);
    PrintTemplate result{chosen, {}};
    if (wide) {
        const std::string why = tooWideText(*wide, describeTemplate(chosenTemplate, chosen));
        const std::optional<ReportKind> wider = mayMove ? widerTemplateOf(chosen) : std::nullopt;
        if (!wider || firstCodeTooWide(templateOf(*wider), printList))
            throw AppError(why + " Accorciare il codice o toglierlo dalla lista di stampa.");
        result.kind = *wider;
        result.notice = why + " La lista viene stampata sul modello " +
                        describeTemplate(templateOf(*wider), *wider) +
                        ", dove ogni codice entra: caricare i fogli di etichette di quel modello.";
    }
    refuseUncarriedCodes(printList, result.kind);
    return result;
}

}  // namespace labels

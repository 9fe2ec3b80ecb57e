#include "labels/LabelTemplateLayout.h"

#include <array>
#include <stdexcept>

#include "platform/Canvas.h"
#include "report/BandView.h"
#include "report/View.h"

namespace labels {

namespace {

constexpr int kRegular = 0;
constexpr int kBold = platform::kBold;

// Series and free codes: one barcode per band, 6 columns.
constexpr TemplateObject kSeries[] = {
    TemplateBand{"DatiMaster1", report::kBandMasterData, 28, 78, "frDBDataSet1"},
    TemplateBarcode{28, 36, 54},
};

// Exemption codes: a page heading and a rule under each barcode, 8 columns.
constexpr TemplateObject kExemptions[] = {
    TemplateBand{"DatiMaster1", report::kBandMasterData, 104, 82, "frDBDataSet1"},
    TemplateBand{"Intestaz.Pagina1", report::kBandPageHeader, 32, 36, ""},
    TemplateBarcode{19, 112, 62},
    TemplateText{"Memo1", 344, 36, 368, 26, "STAMPA CODICI ESENZIONI", 14, kBold},
    TemplateRule{"Line1", 16, 184, 132},
};

// Oxygen codes: a page heading, a tick at each band's top and, outside every band, the
// cylinder captions printed once beside the first sheet's two columns.
constexpr TemplateObject kOxygen[] = {
    TemplateBand{"DatiMaster1", report::kBandMasterData, 168, 90, "frDBDataSet1"},
    TemplateBand{"Intestaz.Pagina1", report::kBandPageHeader, 32, 80, ""},
    TemplateBarcode{76, 180, 62},
    TemplateText{"Memo1", 344, 36, 368, 26, "STAMPA CODICI OSSIGENO", 14, kBold},
    TemplateText{"Memo2", 292, 116, 244, 30, " 200bar lt", 14, kRegular, report::kFrameRight, 3},
    TemplateRule{"Line2", 20, 168, 4},
    TemplateText{"Memo6", 292, 152, 244, 586, "7 ", 72, kRegular, report::kFrameRight, 3},
    TemplateText{"Memo3", 812, 116, 244, 30, " 200bar  lt", 14, kRegular},
    TemplateText{"Memo4", 812, 152, 244, 562, "14", 72, kRegular},
};

// Calendar days and fiscal codes: as the series, 4 columns, the barcode 16 below the band top.
constexpr TemplateObject kCalendar[] = {
    TemplateBand{"DatiMaster1", report::kBandMasterData, 28, 78, "frDBDataSet1"},
    TemplateBarcode{28, 44, 54},
};

const std::array<LabelTemplateLayout, 4> kLayouts = {{
    {6, kSeries},
    {8, kExemptions},
    {2, kOxygen},
    {4, kCalendar},
}};

}  // namespace

const LabelTemplateLayout& labelTemplateLayout(int n) {
    if (n < 1 || n > static_cast<int>(kLayouts.size())) throw std::out_of_range("label template number");
    return kLayouts[static_cast<std::size_t>(n - 1)];
}

}  // namespace labels

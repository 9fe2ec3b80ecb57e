#include "labels/LabelCodeCheck.h"

#include <array>

#include "barcode/CarriedText.h"
#include "barcode_object/BarcodeObject.h"
#include "labels/AppError.h"
#include "labels/LabelTemplate.h"
#include "report/Report.h"

namespace labels {

namespace {

barcode::BarcodeType symbologyOfTemplate(int n) {
    report::Report templateReport;
    labels::loadLabelTemplate(templateReport, n);
    for (const auto& page : templateReport.pages())
        for (const auto& object : page->objects())
            if (const auto* bar = dynamic_cast<const barcode_object::BarcodeObject*>(object.get()))
                return static_cast<barcode::BarcodeType>(bar->settings.barType);
    return barcode::bcCode39;
}

}  // namespace

barcode::BarcodeType labelTemplateSymbology(int n) {
    if (n < 1 || n > labels::kLabelTemplateCount) return barcode::bcCode39;
    static const std::array<barcode::BarcodeType, labels::kLabelTemplateCount> symbologies = {
        symbologyOfTemplate(1), symbologyOfTemplate(2), symbologyOfTemplate(3), symbologyOfTemplate(4)};
    return symbologies[static_cast<std::size_t>(n - 1)];
}

void refuseUncarriedCode(const std::string& code, int templateNumber) {
    const barcode::BarcodeType type = labelTemplateSymbology(templateNumber);
    const auto character = barcode::firstUncarriedCharacter(type, code);
    if (!character) return;
    throw AppError("Il codice \"" + code + "\" contiene il carattere \"" + *character +
                   "\", che il codice a barre " + std::string(barcode::SymbologyTable[type].Name) +
                   " non può rappresentare.");
}

}  // namespace labels

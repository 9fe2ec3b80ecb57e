#include "labels/LabelCodeCheck.h"

#include <array>

#include "barcode/CarriedText.h"
#include "barcode_object/BarcodeObject.h"
#include "labels/AppError.h"
#include "labels/CodeListFiles.h"
#include "labels/LabelTemplate.h"
#include "platform/Utf8.h"
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

bool isControl(unsigned char b) {
    return b < 0x20 || b == 0x7F;
}

// a-z, and the Latin-1 letters à-þ (UTF-8 C3 A0..C3 BE but for the sign ÷), as the window's
// code edits show them when typed.
std::string upperCased(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto& b = reinterpret_cast<unsigned char&>(out[i]);
        if (b >= 'a' && b <= 'z') {
            b = static_cast<unsigned char>(b - 'a' + 'A');
        } else if (b == 0xC3 && i + 1 < out.size()) {
            auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) next = static_cast<unsigned char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

// Control characters are shown by their names in brackets, so that a pasted line break or tab
// shows in the message where it stands instead of breaking it (the fonts of an office desktop
// seldom draw the control pictures).
std::string controlName(unsigned char b) {
    switch (b) {
        case '\n':
            return "[a capo]";
        case '\r':
            return "[ritorno a capo]";
        case '\t':
            return "[tabulazione]";
        default:
            return "[carattere di controllo]";
    }
}

std::string visible(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        out += isControl(b) ? controlName(b) : std::string(1, c);
    }
    return out;
}

std::string originText(const CodeOrigin& origin) {
    if (!origin.file.empty()) return origin.file + ", riga " + std::to_string(origin.row);
    return "Riga " + std::to_string(origin.row) + " della lista di stampa";
}

}  // namespace

barcode::BarcodeType labelTemplateSymbology(int n) {
    if (n < 1 || n > labels::kLabelTemplateCount) return barcode::bcCode39;
    static const std::array<barcode::BarcodeType, labels::kLabelTemplateCount> symbologies = {
        symbologyOfTemplate(1), symbologyOfTemplate(2), symbologyOfTemplate(3), symbologyOfTemplate(4)};
    return symbologies[static_cast<std::size_t>(n - 1)];
}

std::string labelCode(std::string_view text, const CodeOrigin& origin, int templateNumber) {
    std::string code = upperCased(platform::utf8Prefix(text, kFiscalCodeWidth));
    refuseUncarriedCode(code, origin, templateNumber);
    return code;
}

void refuseUncarriedCode(const std::string& code, const CodeOrigin& origin, int templateNumber) {
    const barcode::BarcodeType type = labelTemplateSymbology(templateNumber);
    const auto character = barcode::firstUncarriedCharacter(type, code);
    if (!character) return;
    throw AppError(originText(origin) + ": il codice \"" + visible(code) + "\" contiene il carattere \"" +
                   visible(*character) + "\", che il codice a barre " +
                   std::string(barcode::symbologyTable[type].name) + " non pu\xC3\xB2 rappresentare.");
}

}  // namespace labels

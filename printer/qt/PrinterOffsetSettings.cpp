#include "printer/qt/PrinterOffsetSettings.h"

#include <QString>
#include <cstdio>

#include "platform/qt/UserSettings.h"

namespace printer::qt {

namespace {

// Printer names may hold '/' and '\', which settings take as levels: those two and '%' are
// written as %XX; the settings file escapes the rest its own way.
std::string encodedName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c == '/' || c == '\\' || c == '%') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out.empty() ? "%" : out;
}

std::string sectionOf(const std::string& printerName) {
    return std::string(kPrinterOffsetSection) + "/" + encodedName(printerName);
}

// An absent value is 0 and sound; anything else must be a number within range (an empty
// value, or "1,5" which the settings file reads as a list, is not).
double readMm(const platform::qt::UserSettings& settings, const char* name, bool& damaged) {
    static const std::string absent = "\x01";
    const std::string text = settings.readString(name, absent);
    if (text == absent) return 0;
    bool ok = false;
    const double mm = QString::fromStdString(text).trimmed().toDouble(&ok);
    if (ok && printer::isValidOffsetMm(mm)) return mm;
    damaged = true;
    return 0;
}

std::unique_ptr<platform::qt::UserSettings> open(const std::string& iniPath, const std::string& section) {
    return iniPath.empty() ? std::make_unique<platform::qt::UserSettings>(section)
                           : std::make_unique<platform::qt::UserSettings>(iniPath, section);
}

}  // namespace

PrinterOffsetSettings::PrinterOffsetSettings() = default;

PrinterOffsetSettings::PrinterOffsetSettings(std::string iniPath) : iniPath_(std::move(iniPath)) {}

OffsetReading PrinterOffsetSettings::read(const std::string& printerName) const {
    const auto settings = open(iniPath_, sectionOf(printerName));
    OffsetReading reading;
    reading.offset.xMm = readMm(*settings, kOffsetXName, reading.damaged);
    reading.offset.yMm = readMm(*settings, kOffsetYName, reading.damaged);
    return reading;
}

void PrinterOffsetSettings::write(const std::string& printerName, const printer::PageOffset& offset) {
    const auto settings = open(iniPath_, sectionOf(printerName));
    settings->writeString(kOffsetXName, printer::offsetMmText(offset.xMm));
    settings->writeString(kOffsetYName, printer::offsetMmText(offset.yMm));
    settings->flush();
    toldDamaged_.erase(printerName);
}

printer::PageOffset PrinterOffsetSettings::offsetFor(const std::string& printerName) {
    const OffsetReading reading = read(printerName);
    if (reading.damaged && toldDamaged_.insert(printerName).second && onDamaged) onDamaged(printerName);
    return reading.offset;
}

std::string damagedOffsetMessage(const std::string& printerName) {
    return "lo scostamento salvato per la stampante \"" + printerName + "\" non è valido: vale 0";
}

}  // namespace printer::qt

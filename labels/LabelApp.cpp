#include "labels/LabelApp.h"

#include "labels/AppError.h"
#include "labels/CalendarLabels.h"
#include "labels/CodeListFiles.h"
#include "labels/TextFile.h"
#include "memtable/StandardTables.h"
#include "platform/Cp1252.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cerrno>

namespace app {

namespace {

constexpr const char* kLabelField = "giorno";
constexpr const char* kCodeField = "codice";

constexpr const char* kFiscalFileUnread =
    "cf0.txt non \xC3\xA8 stato letto per intero all'avvio: la lista dei codici fiscali non viene "
    "salvata, per non perdere i codici del file.";

int clampYear(int year) {
    return std::clamp(year, kFirstYear, kLastYear);
}

}  // namespace

LabelApp::LabelApp(std::filesystem::path workDir)
    : workDir_(std::move(workDir)),
      printList_(memtable::makePrintListTable()),
      fiscalCodes_(memtable::makeFiscalCodeTable()) {
    fiscalCodes_->addObserver(this);
}

LabelApp::~LabelApp() {
    fiscalCodes_->removeObserver(this);
}

std::string LabelApp::start() {
    codesDirty_ = false;
    fiscalCodes_->open();
    const std::filesystem::path file = inWorkDir(kFiscalCodeFileName);
    std::vector<std::string> codes;
    try {
        codes = parseFiscalCodeList(platform::decodeUtf8OrCp1252(readFileBytes(file)));
    } catch (const FileError& e) {
        if (e.errorNumber == ENOENT) {
            // first run: the list starts empty and the file exists from now on.
            createEmptyFileIfMissing(file);
            return {};
        }
        fiscalFileUnread_ = true;
        return std::string(kFiscalCodeFileName) + ": " + e.what();
    }
    try {
        for (const std::string& code : codes) {
            fiscalCodes_->append();
            fiscalCodes_->setFieldText(kCodeField, code);
            fiscalCodes_->post();
        }
    } catch (const std::exception& e) {
        // The codes loaded so far stay; the file keeps the rest because it is never rewritten.
        if (fiscalCodes_->state() != memtable::TableState::Browse) fiscalCodes_->cancel();
        fiscalFileUnread_ = true;
        return std::string(kFiscalCodeFileName) + ": " + e.what();
    }
    // Loading is not a change of the list.
    codesDirty_ = false;
    return {};
}

void LabelApp::fillSeries(int year, MonthIndex month, SeriesLength length, ClosingKind closing) {
    reportKind_ = ReportKind::Series;
    const int monthNumber = requireMonth(month);
    refillPrintList(prescriptionSeries(clampYear(year), monthNumber, length, closing));
}

void LabelApp::fillCalendar(int year, MonthIndex month) {
    reportKind_ = ReportKind::DatesAndCodes;
    const int monthNumber = requireMonth(month);
    refillPrintList(calendarLabels(clampYear(year), monthNumber));
}

void LabelApp::fillExemptions(const std::optional<std::filesystem::path>& file) {
    fillFromCodeFile(ReportKind::Exemptions, file.value_or(inWorkDir(kExemptionFileName)),
                     kExemptionMaxLines);
}

void LabelApp::fillOxygen(const std::optional<std::filesystem::path>& file) {
    fillFromCodeFile(ReportKind::Oxygen, file.value_or(inWorkDir(kOxygenFileName)), kOxygenMaxLines);
}

void LabelApp::fillFromCodeFile(ReportKind kind, const std::filesystem::path& file, std::size_t maxLines) {
    reportKind_ = kind;
    // The whole file is read before the print list is touched, so a read error keeps it.
    const std::vector<std::string> labels =
        parseCodeFile(platform::decodeUtf8OrCp1252(readFileBytes(file)), maxLines);
    refillPrintList(labels);
}

void LabelApp::fillFiscalCodes() {
    reportKind_ = ReportKind::DatesAndCodes;
    printList_->close();
    printList_->open();
    for (fiscalCodes_->first(); !fiscalCodes_->eof(); fiscalCodes_->next())
        appendLabel(fiscalCodes_->fieldText(kCodeField));
}

void LabelApp::insertLabel(std::string_view text) {
    reportKind_ = ReportKind::Series;
    try {
        appendLabel(text);
    } catch (const std::exception&) {
        // The print list is closed before the first fill and after "Reset": open it and
        // try once more; a second failure reaches the operator.
        if (!printList_->isActive())
            printList_->open();
        else if (printList_->state() != memtable::TableState::Browse)
            printList_->cancel();
        appendLabel(text);
    }
}

void LabelApp::reset() {
    printList_->close();
}

void LabelApp::refillPrintList(const std::vector<std::string>& labels) {
    printList_->close();
    printList_->open();
    for (const std::string& label : labels) appendLabel(label);
}

void LabelApp::appendLabel(std::string_view text) {
    printList_->append();
    printList_->setFieldText(kLabelField, text);
    printList_->post();
}

FiscalEditOutcome LabelApp::fiscalEditFocusChanged(std::string_view text) {
    FiscalEditOutcome outcome;
    if (platform::utf8Length(text) != kFiscalCodeWidth) {
        outcome.editText = std::string(text);
        outcome.clipboardText = outcome.editText;
        outcome.enableSave = true;
        return outcome;
    }
    FiscalCodeCheck check = checkFiscalCode(text);
    outcome.message = check.message.empty() ? std::string(kFiscalCodeSound) : check.message;
    outcome.editText = check.code;
    outcome.clipboardText = check.code;
    return outcome;
}

SaveOutcome LabelApp::saveFiscalCode(std::string_view text) {
    if (platform::utf8Length(text) == kFiscalCodeWidth) {
        fiscalCodes_->seekNearest({std::string(text)});
        if (!fiscalCodes_->isEmpty() && fiscalCodes_->fieldText(kCodeField) == text)
            return SaveOutcome::AlreadyPresent;
    }
    codesDirty_ = true;
    fiscalCodes_->append();
    fiscalCodes_->setFieldText(kCodeField, text);
    fiscalCodes_->post();
    return SaveOutcome::Appended;
}

void LabelApp::seekFiscalCode(std::string_view text) {
    fiscalCodes_->seekNearest({std::string(text)});
}

std::string LabelApp::currentFiscalCode() const {
    if (!fiscalCodes_->isActive() || fiscalCodes_->isEmpty()) return {};
    return fiscalCodes_->fieldText(kCodeField);
}

void LabelApp::deleteCurrentFiscalCode() {
    if (fiscalCodes_->isEmpty()) return;
    fiscalCodes_->deleteRecord();
}

void LabelApp::memTableEvent(memtable::MemTable&, memtable::DataEvent event, int) {
    // Deleting from the list's grid or navigator changes the list as much as "Salva" does.
    if (event == memtable::DataEvent::Deleted) codesDirty_ = true;
}

bool LabelApp::saveIfDirty() {
    if (!codesDirty_) return false;
    if (fiscalFileUnread_) throw AppError(kFiscalFileUnread);
    std::vector<std::string> codes;
    for (fiscalCodes_->first(); !fiscalCodes_->eof(); fiscalCodes_->next())
        codes.push_back(fiscalCodes_->fieldText(kCodeField));
    replaceFileAtomically(inWorkDir(kFiscalCodeFileName), formatFiscalCodeList(codes));
    codesDirty_ = false;
    return true;
}

}  // namespace app

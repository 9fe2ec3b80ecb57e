#include "labels/LabelApp.h"

#include "labels/AppError.h"
#include "labels/CalendarLabels.h"
#include "labels/CodeListFiles.h"
#include "labels/LabelCodeCheck.h"
#include "labels/TextFile.h"
#include "labels/UnsavedCodes.h"
#include "memtable/MemTableBatch.h"
#include "memtable/StandardTables.h"
#include "platform/Cp1252.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <map>

namespace labels {

namespace {

constexpr const char* kLabelField = "giorno";
constexpr const char* kCodeField = "codice";

constexpr const char* kFileInUse = "\xC3\xA8 in uso da un'altra copia del programma (riprovare tra poco)";

// The sentences of a file that was not read or not written: "NAME non è stato letto: CAUSE."
std::string notRead(const FileError& e) {
    return e.fileName + " non \xC3\xA8 stato letto: " + e.cause + ".";
}

// How long a save waits for another copy to finish writing cf0.txt.
constexpr std::chrono::milliseconds kLockWait{3000};

// The lines of a pasted text (ended by LF, CR LF or CR), without blanks around them.
std::vector<std::string_view> pastedLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
        std::string_view line = text.substr(start, i - start);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        lines.push_back(line);
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

int clampYear(int year) {
    return std::clamp(year, kFirstYear, kLastYear);
}

}  // namespace

LabelApp::LabelApp(std::filesystem::path workDir, FileLocker& locker)
    : workDir_(std::move(workDir)),
      locker_(locker),
      printList_(memtable::makePrintListTable()),
      fiscalCodes_(memtable::makeFiscalCodeTable()) {
    fiscalCodes_->addObserver(this);
}

LabelApp::~LabelApp() {
    fiscalCodes_->removeObserver(this);
}

std::string LabelApp::start(MissingCodeFile missing) {
    codesDirty_ = false;
    fiscalCodes_->open();
    const std::filesystem::path file = inWorkDir(kFiscalCodeFileName);
    std::vector<std::string> codes;
    try {
        codes = readFiscalCodeFile(file);
    } catch (const FileError& e) {
        if (e.errorNumber == ENOENT) {
            // first run: the list starts empty and the file exists from now on.
            if (missing == MissingCodeFile::Create) createEmptyFileIfMissing(file);
            return {};
        }
        unreadCause_ = e.cause;
        return notRead(e);
    }
    codesAsRead_ = codes;
    // One notification for the whole file: a grid redrawn at each of 50,000 codes takes minutes.
    const memtable::MemTableBatch batch(*fiscalCodes_);
    try {
        for (const std::string& code : codes) appendFiscalCode(code);
    } catch (const std::exception& e) {
        // The codes loaded so far stay; the file keeps the rest because it is never rewritten.
        if (fiscalCodes_->state() != memtable::TableState::Browse) fiscalCodes_->cancel();
        unreadCause_ = e.what();
        codesAsRead_ = listedCodes();
        return std::string(kFiscalCodeFileName) + " \xC3\xA8 stato letto solo in parte: " + e.what() + ".";
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
    std::string bytes;
    try {
        bytes = readFileBytes(file);
        requireText(bytes, file.filename().string());
    } catch (const FileError& e) {
        throw AppError(notRead(e) + " La lista di stampa non \xC3\xA8 cambiata.");
    }
    // A code the bars cannot carry is refused naming its line; the list is then kept.
    refillPrintList(parseCodeFile(platform::decodeUtf8OrCp1252(bytes), maxLines), file.filename().string());
}

void LabelApp::fillFiscalCodes() {
    reportKind_ = ReportKind::DatesAndCodes;
    std::vector<std::string> codes;
    {
        const memtable::MemTableBatch codesBatch(*fiscalCodes_);
        for (fiscalCodes_->first(); !fiscalCodes_->eof(); fiscalCodes_->next())
            codes.push_back(fiscalCodes_->fieldText(kCodeField));
    }
    refillPrintList(std::move(codes));
}

void LabelApp::insertLabel(std::string_view text) {
    // Refused before anything changes: a label must scan as the code it shows.
    const std::size_t row =
        printList_->isActive() ? static_cast<std::size_t>(printList_->recordCount()) + 1 : 1;
    const std::string code = labelCode(text, {row}, static_cast<int>(ReportKind::Series));
    reportKind_ = ReportKind::Series;
    try {
        appendLabel(code);
    } catch (const std::exception&) {
        // The print list is closed before the first fill and after "Reset": open it and
        // try once more; a second failure reaches the operator.
        if (!printList_->isActive())
            printList_->open();
        else if (printList_->state() != memtable::TableState::Browse)
            printList_->cancel();
        appendLabel(code);
    }
}

std::string LabelApp::printListCode(std::string_view text, int row) const {
    const int kind = reportKind_ == ReportKind::None ? static_cast<int>(ReportKind::Series)
                                                     : static_cast<int>(reportKind_);
    return labelCode(text, {static_cast<std::size_t>(row) + 1}, kind);
}

void LabelApp::insertLabelLines(std::string_view text) {
    const std::vector<std::string_view> lines = pastedLines(text);
    const std::string nothingInserted = " Nessun codice \xC3\xA8 stato inserito.";
    // Every line is checked before any is inserted, so a refusal leaves the list as it was.
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const CodeOrigin origin{i + 1, "Testo incollato"};
        // A line longer than a code is a wrong paste rather than a code to cut short.
        if (platform::utf8Length(lines[i]) > kFiscalCodeWidth)
            throw AppError(origin.file + ", riga " + std::to_string(origin.row) + ": il codice \"" +
                           std::string(lines[i]) + "\" supera i 16 caratteri." + nothingInserted);
        try {
            labels.push_back(labelCode(lines[i], origin, static_cast<int>(ReportKind::Series)));
        } catch (const AppError& e) {
            throw AppError(e.what() + nothingInserted);
        }
    }
    for (const std::string& label : labels) insertLabel(label);
}

void LabelApp::reset() {
    printList_->close();
}

void LabelApp::refillPrintList(std::vector<std::string> labels, const std::string& file) {
    // Every code is checked before the list is touched, so a refusal keeps it as it was.
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i] = labelCode(labels[i], {i + 1, file}, static_cast<int>(reportKind_));
    const memtable::MemTableBatch batch(*printList_);
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
        outcome.enableSave = true;
        return outcome;
    }
    FiscalCodeCheck check = checkFiscalCode(text);
    outcome.message = check.message.empty() ? std::string(kFiscalCodeSound) : check.message;
    outcome.editText = check.code;
    if (check.message.empty() || check.code != text)
        outcome.clipboardText = check.code;  // sound or corrected
    return outcome;
}

SaveOutcome LabelApp::saveFiscalCode(std::string_view text) {
    // cf0.txt keeps its encoding: a Windows-1252 file takes only what that encoding holds.
    if (fileInWindows1252_)
        if (const auto character = platform::firstCharacterNotInCp1252(text))
            throw AppError(
                "Il codice \"" + std::string(text) + "\" contiene il carattere \"" + *character +
                "\", che cf0.txt (scritto in Windows-1252) non pu\xC3\xB2 contenere: il codice non "
                "\xC3\xA8 stato salvato.");
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

std::vector<std::string> LabelApp::readFiscalCodeFile(const std::filesystem::path& file) {
    const std::string bytes = readFileBytes(file);
    requireText(bytes, kFiscalCodeFileName);
    std::vector<std::string> codes = parseFiscalCodeList(platform::decodeUtf8OrCp1252(bytes));
    if (!codes.empty()) fileInWindows1252_ = !platform::isValidUtf8(bytes);
    return codes;
}

void LabelApp::appendFiscalCode(std::string_view code) {
    fiscalCodes_->append();
    fiscalCodes_->setFieldText(kCodeField, code);
    fiscalCodes_->post();
}

// The codes cf0.txt receives: the non-empty ones, in list order. Read by row, so the cursor
// stays on the code the operator chose.
std::vector<std::string> LabelApp::listedCodes() const {
    std::vector<std::string> codes;
    const int field = fiscalCodes_->fieldIndex(kCodeField);
    for (int row = 0; row < fiscalCodes_->recordCount(); ++row)
        if (std::string code = fiscalCodes_->fieldTextAt(row, field); !code.empty())
            codes.push_back(std::move(code));
    return codes;
}

// Applies to the list what another copy changed in the file since this one read it: each
// code's count in the list moves by its count on disk minus its count when read.
void LabelApp::takeInChangesOnDisk(const std::vector<std::string>& onDisk) {
    std::map<std::string, int> change;
    for (const std::string& code : onDisk) ++change[code];
    for (const std::string& code : codesAsRead_) --change[code];
    const memtable::MemTableBatch batch(*fiscalCodes_);
    for (const auto& [code, delta] : change) {
        for (int i = 0; i < delta; ++i) appendFiscalCode(code);
        for (int i = 0; i > delta; --i) {
            fiscalCodes_->seekNearest({code});
            if (fiscalCodes_->isEmpty() || fiscalCodes_->fieldText(kCodeField) != code) break;
            fiscalCodes_->deleteRecord();
        }
    }
}

std::string LabelApp::encodeForFile(const std::string& text) const {
    if (!fileInWindows1252_) return text;
    // "Salva" takes only codes Windows-1252 holds; a code that another copy wrote in UTF-8
    // since is the one case left where the file has to become UTF-8 to keep it.
    const std::string narrow = platform::utf8ToCp1252(text);
    return platform::cp1252ToUtf8(narrow) == text ? narrow : text;
}

UnsavedCodes LabelApp::unsavedCodes() const {
    return labels::unsavedCodes(listedCodes(), codesAsRead_);
}

bool LabelApp::saveIfDirty() {
    if (!codesDirty_) return false;
    if (unsavedCodes().empty()) {  // a code saved and deleted again: the file is up to date
        codesDirty_ = false;
        return false;
    }
    // A file that was not read whole is never written over: it would lose the codes not read.
    if (!unreadCause_.empty())
        throw AppError(notSaved("all'avvio non era stato letto (" + unreadCause_ +
                                "), e riscriverlo perderebbe quello che contiene"));
    try {
        writeFiscalCodeFile();
    } catch (const FileError& e) {
        throw AppError(notSaved(e.cause));
    }
    codesDirty_ = false;
    return true;
}

void LabelApp::writeFiscalCodeFile() {
    const std::filesystem::path file = inWorkDir(kFiscalCodeFileName);
    const auto lock = locker_.lock(file, kLockWait);
    if (!lock) throw AppError(notSaved(kFileInUse));
    std::vector<std::string> onDisk;
    try {
        onDisk = readFiscalCodeFile(file);
    } catch (const FileError& e) {
        if (e.errorNumber != ENOENT) throw;  // a file removed meanwhile holds no codes
    }
    takeInChangesOnDisk(onDisk);
    codesAsRead_ = onDisk;  // the list holds the file's changes now, even if the write fails
    const std::vector<std::string> codes = listedCodes();
    replaceFileAtomically(file, encodeForFile(formatFiscalCodeList(codes)));
    codesAsRead_ = codes;
}

// "cf0.txt non è stato salvato: CAUSE." and what the list still holds.
std::string LabelApp::notSaved(const std::string& cause) const {
    return std::string(kFiscalCodeFileName) + " non \xC3\xA8 stato salvato: " + cause + ". " +
           keptAfterFailedSave(unsavedCodes());
}

}  // namespace labels

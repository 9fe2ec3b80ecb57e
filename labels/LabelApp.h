// The state and commands of the label application's main window, without any widget: the
// window binds its controls to this object, passes what they hold as arguments and shows
// what the commands return or throw (AppError, FileError, memtable::DatasetError).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "labels/FileLocker.h"
#include "labels/FiscalCodeCheck.h"
#include "labels/Month.h"
#include "labels/PrescriptionSeries.h"
#include "labels/ReportKind.h"
#include "labels/UnsavedCodes.h"
#include "memtable/MemTable.h"
#include "memtable/MemTableObserver.h"

namespace labels {

// What "Salva" did with the text of the fiscal code edit.
enum class SaveOutcome { Appended, AlreadyPresent };

// What the window does after the fiscal code edit gains or loses the focus.
struct FiscalEditOutcome {
    std::optional<std::string> message;  // to show in a message box, when the text was checked
    std::string editText;                // the edit's text after any correction, for "Ora in memoria"
    // A complete code that passed the check (after any correction) goes on the clipboard; an
    // empty, partial or faulty text never replaces what the operator copied elsewhere.
    std::optional<std::string> clipboardText;
    bool enableSave = false;  // "Salva" becomes usable
};

class LabelApp : private memtable::MemTableObserver {
public:
    // workDir holds cf0.txt, ESENZIONI.txt and OXY.txt; locker guards cf0.txt while it is
    // written, against other copies of the program sharing the directory.
    LabelApp(std::filesystem::path workDir, FileLocker& locker);
    ~LabelApp() override;
    LabelApp(const LabelApp&) = delete;
    LabelApp& operator=(const LabelApp&) = delete;

    // What start() does when cf0.txt does not exist: the window creates it empty (its first
    // run); a reading command leaves the directory untouched.
    enum class MissingCodeFile { Create, LeaveAbsent };

    // Start-up: opens the fiscal-code list and loads cf0.txt into it. Returns a message for
    // the operator when cf0.txt exists but could not be read ("cf0.txt non è stato letto:
    // CAUSE."); the list then stays as loaded and is never written back over the file.
    std::string start(MissingCodeFile missing = MissingCodeFile::Create);

    memtable::MemTable& printList() { return *printList_; }
    memtable::MemTable& fiscalCodes() { return *fiscalCodes_; }
    ReportKind reportKind() const { return reportKind_; }
    bool codesDirty() const { return codesDirty_; }
    const std::filesystem::path& workDir() const { return workDir_; }

    // --- Fill commands: each sets ReportKind first, then replaces or extends the print list ---
    // "Codici". Throws AppError("Selezionare un mese") when no month is selected.
    void fillSeries(int year, MonthIndex month, SeriesLength length, ClosingKind closing);
    // "Calendario". Same month rule.
    void fillCalendar(int year, MonthIndex month);
    // "Codici Esenzioni" / "Codici Ossigeno": file defaults to the working directory's file.
    void fillExemptions(const std::optional<std::filesystem::path>& file = std::nullopt);
    void fillOxygen(const std::optional<std::filesystem::path>& file = std::nullopt);
    // "Stampa C.F.": the fiscal codes in list order.
    void fillFiscalCodes();
    // "Inserisci" and "I": appends one label, opening the print list when it is closed. Lower
    // case becomes upper case; throws AppError, changing nothing, when the series template's
    // bars cannot carry a character.
    void insertLabel(std::string_view text);
    // A text with line breaks pasted into the free-code edit: one label per line (blanks around
    // it dropped, empty lines skipped), all checked as "Inserisci" checks one and at most 16
    // characters long before any is inserted. Throws AppError naming the line, inserting nothing.
    void insertLabelLines(std::string_view text);
    // "Reset": closes (empties) the print list; ReportKind stays.
    void reset();
    // A text typed or pasted into row (0-based) of the print list's grid, as the list keeps
    // it; throws AppError naming the row when its template's bars cannot carry a character.
    std::string printListCode(std::string_view text, int row) const;

    // --- Fiscal-code list ---
    // The fiscal code edit gained or lost the focus with this text.
    FiscalEditOutcome fiscalEditFocusChanged(std::string_view text);
    // "Salva". Throws AppError, changing nothing, when cf0.txt is kept in Windows-1252 and
    // the code holds a character that encoding cannot.
    SaveOutcome saveFiscalCode(std::string_view text);
    // Typing in the fiscal code or search edit: moves the list's cursor to the nearest code.
    void seekFiscalCode(std::string_view text);
    // The code of the list's current record (double-click on the list).
    std::string currentFiscalCode() const;
    // Deletes the current code (after the window asked for confirmation).
    void deleteCurrentFiscalCode();

    // --- End ---
    // "ESCI" and any other way of closing the window: writes cf0.txt when the list changed.
    // Another copy of the program may have written the file since this one read it: under
    // the file's lock, the codes it added are taken into the list and those it deleted are
    // removed, so that neither copy loses the other's work. Throws AppError ("cf0.txt non è
    // stato salvato: CAUSE." and what the list still holds) when the lock is not free within a
    // few seconds or the file could not be read or written; the old file and the list in
    // memory are then kept. Nothing is written when the list holds what the file does.
    void exitCommand() { saveIfDirty(); }
    void onClose() { saveIfDirty(); }
    // Writes cf0.txt when CodesDirty; true when it wrote.
    bool saveIfDirty();
    // The codes not yet in cf0.txt and the deletions not yet made there.
    UnsavedCodes unsavedCodes() const;

private:
    void memTableEvent(memtable::MemTable& table, memtable::DataEvent event, int row) override;
    void fillFromCodeFile(ReportKind kind, const std::filesystem::path& file, std::size_t maxLines);
    // Replaces the print list with the labels; `file` names their code file in a refusal.
    void refillPrintList(std::vector<std::string> labels, const std::string& file = {});
    void appendLabel(std::string_view text);
    std::filesystem::path inWorkDir(const char* fileName) const { return workDir_ / fileName; }
    std::vector<std::string> readFiscalCodeFile(const std::filesystem::path& file);
    void writeFiscalCodeFile();
    std::string notSaved(const std::string& cause) const;
    std::vector<std::string> listedCodes() const;
    void takeInChangesOnDisk(const std::vector<std::string>& onDisk);
    void appendFiscalCode(std::string_view code);
    std::string encodeForFile(const std::string& text) const;

    std::filesystem::path workDir_;
    FileLocker& locker_;
    std::unique_ptr<memtable::MemTable> printList_;    // kb1
    std::unique_ptr<memtable::MemTable> fiscalCodes_;  // kb2
    ReportKind reportKind_ = ReportKind::None;
    bool codesDirty_ = false;
    std::string unreadCause_;               // why cf0.txt was not read whole at start-up; "" when it was
    std::vector<std::string> codesAsRead_;  // cf0.txt's codes when this copy last read or wrote it
    bool fileInWindows1252_ = false;        // cf0.txt was not UTF-8: written back the same way
};

}  // namespace labels

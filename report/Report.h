// Report: a report template. It owns its pages and data dictionary, reads and writes the
// template stream and its form wrapper, and knows its printer name, its dataset by name and the
// owner's component registry. Preparing, printing and showing live in the layers above and
// take the report.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "report/ComponentRegistry.h"
#include "report/DataDictionary.h"
#include "report/ErrorReporter.h"
#include "report/Page.h"
#include "report/PrinterLink.h"

namespace report {

// Format version written; versions 21..24 are read.
constexpr int kCurrentFormatVersion = 24;
constexpr int kOldestFormatVersion = 21;

inline constexpr const char* kUnsupportedFormatMessage = "Formato FRF non supportato";

class Report {
public:
    Report();
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    std::string name;
    bool useDefaultPrinter = false;
    bool twoPass = false;
    std::string printerName;  // as stored; the virtual printer is kVirtualPrinterStreamName
    std::string datasetName;  // component name of the report's dataset
    bool storeInDFM = true;
    ComponentRegistry* components = nullptr;  // the owner's components
    ErrorReporter* errors = nullptr;          // where load errors go
    PrinterLink* printer = nullptr;           // none: pages keep their stored paper
    DataDictionary dictionary;

    // --- pages
    const std::vector<std::unique_ptr<Page>>& pages() const { return pages_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    Page& page(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    Page& addPage();
    void clearPages() { pages_.clear(); }
    // Frees every page, empties the dictionary and resets TwoPass.
    void clear();

    // --- names
    View* findObject(const std::string& objectName) const;
    // baseName followed by the lowest number 1..10000 no object uses; empty if all are taken.
    std::string uniqueObjectName(const std::string& baseName) const;
    // "Page" followed by the lowest number 1..10000 no page uses.
    std::string uniquePageName() const;

    // --- template stream
    // Reads a template; errors go to `errors`. False when the load failed.
    bool loadFromStream(std::span<const std::uint8_t> stream);
    std::vector<std::uint8_t> saveToStream() const;

    // --- the ReportForm property of the owner's form resource
    void readFormProperty(platform::ByteReader& in);
    void writeFormProperty(platform::ByteWriter& out) const;
    // Runs the held form buffer through loadFromStream once the form has finished loading.
    void formLoaded();
    bool hasFormBuffer() const { return !formBuffer_.empty(); }

    PrinterLink* printerLink() const { return printer; }
    void reportError(const std::string& message) const;

private:
    std::vector<std::unique_ptr<Page>> pages_;
    std::vector<std::uint8_t> formBuffer_;
};

}  // namespace report

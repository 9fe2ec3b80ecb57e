// Prepared pages for the preview tests: A4 landscape label sheets of Code 39 barcodes with their
// codes beneath, each page headed "Foglio n", on the virtual printer; or bare pages with the
// heading alone.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "barcode_object/BarcodeRegistration.h"
#include "gui/preview/PreviewFileDialogs.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewServices.h"
#include "tests/prepared/PagesTestSupport.h"

namespace preview_test {

struct TestPages {
    printer::Printer printer;
    std::unique_ptr<report::Page> tpl = pages_test::templatePage(printer);
    prepared::PreparedPages pages{nullptr, &printer};

    explicit TestPages(int count, bool labels = true) {
        barcode_object::registerBarCodeObject();
        for (int i = 0; i < count; ++i) {
            if (labels) {
                pages_test::addLabelSheet(pages, *tpl, i, true);
            } else {
                pages.add(*tpl);
                pages_test::print(pages, i,
                                  *pages_test::memo("Foglio " + std::to_string(i + 1), 20, 10, 300));
            }
        }
    }
    void print(int page, const std::string& text, int left, int top) {
        pages_test::print(pages, page, *pages_test::memo(text, left, top, 200, 20));
    }
};

// The preview's open and save dialogs, answered with the file name (and filter) set here.
struct ScriptedDialogs : gui::preview::PreviewFileDialogs {
    QString name, filter;
    QString openFileName(QWidget*, const QString&) override { return name; }
    QString saveFileName(QWidget*, const QStringList&, QString& chosen) override {
        chosen = filter;
        return name;
    }
};

// What the test's windows remember: their bounds in a file of the test's own, and the zoom.
struct PrivateSettings {
    QTemporaryDir dir;
    std::string path = dir.filePath(QStringLiteral("preview.ini")).toStdString();
    gui::preview::PreviewMemory memory{path};
    gui::preview::PreviewServices services() { return {nullptr, &memory}; }
};

}  // namespace preview_test

// Label-sheet reports built in memory for the preparation tests: an A4 landscape page on the
// virtual printer, the print list kb1 behind the dataset adaptor frDBDataSet1, and helpers to
// add bands and objects and to read the prepared pages back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "barcode_object/BarcodeObject.h"
#include "barcode_object/BarcodeRegistration.h"
#include "memtable/MemTable.h"
#include "preparation/Prepare.h"
#include "prepared/PreparedPages.h"
#include "report/BandView.h"
#include "report/DatasetDB.h"
#include "report/DatasetMemTable.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/Report.h"

namespace engine_test {

struct PlacedObject {
    std::string name;
    int left, top, width, height;
    std::vector<std::string> memo;
};

class LabelSheet {
public:
    explicit LabelSheet(int pageColumns = 6) : kb1("kb1"), access(kb1), frDBDataset1("frDBDataSet1") {
        barcode_object::registerBarCodeObject();
        kb1.addFieldDef({"giorno", memtable::FieldType::String, 16, false, false});
        kb1.open();
        frDBDataset1.setDataset(&access);
        components.add<memtable::MemTable>("kb1", &kb1);
        components.add<report::Dataset>("frDBDataSet1", &frDBDataset1);
        report.name = "frReport1";
        report.components = &components;
        report.errors = &errors;
        report.datasetName = "frDBDataSet1";
        page = &report.addPage();
        page->paperSize = 9;
        page->paperWidth = 2970;
        page->paperHeight = 2100;
        page->orientation = 1;
        page->useMargins = true;
        page->pageColumns = pageColumns;
        page->pageColumnGap = 7;
    }

    void fill(int count, const std::string& prefix = "L") {
        kb1.close();
        kb1.open();
        for (int i = 0; i < count; ++i) add(prefix + std::to_string(i + 1));
    }
    void add(const std::string& text) {
        kb1.append();
        kb1.setFieldText("giorno", text);
        kb1.post();
    }

    report::BandView& band(const std::string& name, int type, int top, int height,
                           const std::string& source = "",
                           std::uint16_t flags = report::kBandOnFirstPage | report::kBandOnLastPage) {
        auto b = std::make_unique<report::BandView>();
        b->setName(name);
        b->setBandType(type);
        b->top = top;
        b->width = 1071;
        b->height = height;
        b->formatText = source;
        b->flags = flags;
        return static_cast<report::BandView&>(*page->addObject(std::move(b)));
    }
    barcode_object::BarcodeObject& bar(int left, int top, int height, const std::string& name = "Bar1") {
        auto b = std::make_unique<barcode_object::BarcodeObject>();
        b->setName(name);
        b->left = left;
        b->top = top;
        b->width = 129;
        b->height = height;
        b->memo = {"[kb1.\"giorno\"]"};
        b->frameTyp = 0;
        b->settings.withCheckSum = false;
        return static_cast<barcode_object::BarcodeObject&>(*page->addObject(std::move(b)));
    }
    report::MemoView& memo(const std::string& name, int left, int top, int width, int height,
                           const std::string& text) {
        auto m = std::make_unique<report::MemoView>();
        m->setName(name);
        m->left = left;
        m->top = top;
        m->width = width;
        m->height = height;
        m->memo = {text};
        m->flags = 0;
        return static_cast<report::MemoView&>(*page->addObject(std::move(m)));
    }
    report::LineView& line(const std::string& name, int left, int top, int width) {
        auto l = std::make_unique<report::LineView>();
        l->setName(name);
        l->left = left;
        l->top = top;
        l->width = width;
        l->height = 0;
        l->frameTyp = report::kFrameTop;
        return static_cast<report::LineView&>(*page->addObject(std::move(l)));
    }

    // The label templates' layouts, with their stored positions.
    void layoutSeries() {
        band("DatiMaster1", report::kBandMasterData, 28, 78, "frDBDataSet1");
        bar(28, 36, 54);
    }
    void layoutCalendar() {
        band("DatiMaster1", report::kBandMasterData, 28, 78, "frDBDataSet1");
        bar(28, 44, 54);
    }
    void layoutExemptions() {
        band("DatiMaster1", report::kBandMasterData, 104, 82, "frDBDataSet1");
        band("Intestaz.Pagina1", report::kBandPageHeader, 32, 36);
        bar(19, 112, 62);
        memo("Memo1", 344, 36, 368, 26, "STAMPA CODICI ESENZIONI");
        line("Line1", 16, 184, 132);
    }
    void layoutOxygen() {
        band("DatiMaster1", report::kBandMasterData, 168, 90, "frDBDataSet1");
        band("Intestaz.Pagina1", report::kBandPageHeader, 32, 80);
        bar(76, 180, 62);
        memo("Memo1", 344, 36, 368, 26, "STAMPA CODICI OSSIGENO");
        memo("Memo2", 292, 116, 244, 30, " 200bar lt");
        line("Line2", 20, 168, 4);
        memo("Memo6", 292, 152, 244, 586, "7 ");
        memo("Memo3", 812, 116, 244, 30, " 200bar  lt");
        memo("Memo4", 812, 152, 244, 562, "14");
    }

    bool prepare(preparation::PrepareOptions options = {}) {
        options.progressDisplay = nullptr;
        const bool prepared = preparation::prepare(report, pages, options);
        page = &report.page(0);  // the template was reloaded
        return prepared;
    }

    // The objects printed on page `index`, in print order.
    std::vector<PlacedObject> placed(int index) {
        pages.loadObjects(index);
        std::vector<PlacedObject> out;
        for (const auto& o : pages.page(index).loadedPage->objects())
            out.push_back({o->name(), o->left, o->top, o->width, o->height, o->memo});
        pages.release(index);
        return out;
    }
    std::vector<PlacedObject> placedNamed(int index, const std::string& name) {
        std::vector<PlacedObject> out;
        for (auto& o : placed(index))
            if (o.name == name) out.push_back(o);
        return out;
    }

    memtable::MemTable kb1;
    report::MemTableDataset access;
    report::DBDataset frDBDataset1;
    report::ComponentRegistry components;
    report::CollectingErrorReporter errors;
    report::Report report;
    report::Page* page = nullptr;
    prepared::PreparedPages pages{&report};
};

}  // namespace engine_test

// What the report fuzz targets share: the program's registrations, done once, and drawing
// every object of a template or every page of a prepared report the way the output does.
#pragma once

#include <exception>

#include "FuzzCanvas.h"
#include "barcode_object/BarcodeRegistration.h"
#include "prepared/PreparedPages.h"
#include "report/Report.h"

namespace fuzz {

inline void registerProgramObjects() {
    static const bool done = [] {
        barcode_object::registerBarCodeObject();
        return true;
    }();
    (void)done;
}

// Every object of every page at scale 1, clipped to its page. An object may refuse to draw
// with an error (a barcode of an unknown type); the pages that show objects catch it, so it
// ends only that object here.
inline void drawTemplateObjects(report::Report& report) {
    for (const auto& page : report.pages()) {
        DiscardingCanvas canvas;
        canvas.setClipRect({0, 0, 4000, 4000});
        for (const auto& object : page->objects()) {
            try {
                object->draw(canvas, {0, 4000, false});
            } catch (const std::exception&) {
            }
        }
    }
}

// Every page into an A4 sheet at 300 dots per inch, the size a PNG page is drawn at.
inline void drawPreparedPages(prepared::PreparedPages& pages) {
    for (int index = 0; index < pages.count(); ++index) {
        DiscardingCanvas canvas;
        canvas.setClipRect({0, 0, 3508, 2480});
        pages.drawOnce(index, canvas, {0, 0, 3508, 2480});
    }
}

}  // namespace fuzz

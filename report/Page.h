// Page: a template page. Paper, margins, page columns, the window fields of dialog pages,
// and the objects it owns in list order.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "report/Object.h"
#include "report/PrinterLink.h"
#include "report/View.h"

namespace report {

class Report;
class PixelBudget;

class Page : public Object {
public:
    Page();

    int paperSize = 9;
    int paperWidth = 2100;
    int paperHeight = 2970;
    std::array<int, 4> margins{};  // left, top, right, bottom
    int orientation = 0;
    int bin = 0xFFFF;
    bool printToPrevPage = false;
    bool useMargins = true;
    int pageColumns = 1;
    int pageColumnGap = 0;
    int pageKind = 0;  // 0 = printed page
    // Window of a dialog page; printed pages keep these defaults.
    int borderStyle = 3;
    std::string caption = "Form";
    std::int32_t color = static_cast<std::int32_t>(0xFF00000F);
    int windowLeft = 220, windowTop = 120, windowWidth = 380, windowHeight = 300;
    int position = 4;
    std::vector<std::string> script;
    bool visible = true;
    bool isSubReportPage = false;
    std::array<std::int32_t, 12> printerGeometry{};
    Report* report = nullptr;
    // Decoded picture pixels this page's objects may hold: the budget of the file they came
    // from (none: only the single-picture limit applies).
    PixelBudget* pixelBudget = nullptr;

    const std::vector<std::unique_ptr<View>>& objects() const { return objects_; }
    View* addObject(std::unique_ptr<View> view);
    void removeObject(const View* view);
    View* findObject(const std::string& name) const;
    void clearObjects() { objects_.clear(); }

    PaperSettings paper() const;
    // Hands the paper to the printer and takes back what it chose (retrying a custom size with
    // the default bin when it refuses); with no printer the paper stays as it is.
    void fitPaper(PrinterLink* printer);

    // The PageRecord of the template stream (after its 255 tag).
    void loadFromStream(platform::ByteReader& in, int version);
    void saveToStream(platform::ByteWriter& out) const;

    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    std::vector<std::string> propertyNames() const override;

private:
    std::vector<std::unique_ptr<View>> objects_;
};

}  // namespace report

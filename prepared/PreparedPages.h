// The store of a prepared report: the finished pages in order, each held as the bytes of its
// objects and turned back into live objects only while it is drawn. It also writes and reads
// the prepared-report file (.frp).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/ByteWriter.h"
#include "platform/Canvas.h"
#include "prepared/PreparedPage.h"
#include "report/Graphic.h"
#include "report/Page.h"
#include "report/Report.h"
#include "report/View.h"

namespace printer {
class Printer;
class ProgramPrinter;
}

namespace prepared {

// Message of a prepared-report file whose pages were stored compressed.
inline constexpr const char* kCompressedFileMessage = "File di report compresso non supportato";
// Decoded picture pixels the loaded pages of one prepared report may hold at once (96 MB):
// many times what a sheet of labels needs, far below what hostile headers ask for.
inline constexpr std::int64_t kPicturePixelBudget = 24LL * 1024 * 1024;

enum class DrawTarget { Surface, PrinterPage };

class PreparedPages {
public:
    // Both are borrowed. Without a report the printer name read from a file is only handed
    // to the printer; without a printer the pages use one of their own with the virtual
    // printer only.
    explicit PreparedPages(report::Report* report = nullptr, printer::Printer* printer = nullptr);
    ~PreparedPages();
    PreparedPages(const PreparedPages&) = delete;
    PreparedPages& operator=(const PreparedPages&) = delete;

    int count() const { return static_cast<int>(pages_.size()); }
    // 0-based; throws std::out_of_range for an index outside the store.
    PreparedPage& page(int index);
    const PreparedPage& page(int index) const;
    // The object stream of page `index`, where the preparation engine appends its entries.
    platform::ByteWriter& pageStream(int index) { return page(index).objectStream; }

    void clear();
    // A record for the template page at `index` (at the end when index >= count()): its paper,
    // margins and printer geometry, and an object stream holding only the version byte.
    void insert(int index, const report::Page& page);
    // insert at the end, then the begin-page handler with the new page's index.
    void add(const report::Page& page);
    void remove(int index);
    // Moves every page of `from` to the end of this store, their objects released; `from` is
    // left empty. The pages no longer need the report or the data they were prepared from.
    void takePages(PreparedPages& from);

    // Rebuilds the page's objects from its stream (stream and factory errors propagate).
    void loadObjects(int index);
    // Writes the loaded objects back into the page's stream.
    void storeObjects(int index);

    // Draws page `index` scaled into `rect`, rebuilding its objects first when they are not
    // loaded; they stay loaded until release.
    // On a printer's page every object is drawn: the print run says so, since a printer's
    // surface cannot tell which objects would show.
    void draw(int index, platform::Canvas& canvas, const platform::Rect& rect,
              DrawTarget target = DrawTarget::Surface);
    // Lets go of the page's loaded objects; the next draw or hit test rebuilds them.
    void release(int index) { page(index).loadedPage.reset(); }
    // draw, then release, also when drawing fails: a page printed, exported or searched holds
    // its objects only meanwhile.
    void drawOnce(int index, platform::Canvas& canvas, const platform::Rect& rect,
                  DrawTarget target = DrawTarget::Surface);
    // The topmost object under `point` (page pixels from the page's top-left corner) raises
    // the click or mouse-over handler; false when no object is hit or no handler is set.
    bool hitTest(int index, platform::Point point, int& cursor, bool click);

    // The prepared-report file.
    void saveToStream(platform::ByteWriter& out) const;
    std::vector<std::uint8_t> saveToBytes() const;
    // Replaces the pages with those of the file. Throws platform::StreamError on damaged or
    // unsupported input; the pages read completely before the fault stay in the store.
    void loadFromStream(std::span<const std::uint8_t> bytes);

    // Called by add with the index of the page just added (the report's begin-page event).
    std::function<void(int pageIndex)> onBeginPage;
    std::function<void(report::View& object)> onObjectClick;
    std::function<void(report::View& object, int& cursor)> onMouseOverObject;
    // Decodes bitmap and icon pictures when pages are drawn; borrowed, none = not drawn.
    report::ImageCodec* imageCodec = nullptr;

    report::Report* report() const { return report_; }
    printer::Printer& printer() const;

private:
    report::DrawEnvironment printingEnvironment() const;

    report::Report* report_;
    printer::Printer* printer_;
    // Declared before the pages: their pictures give their pixels back as they go.
    report::PixelBudget pictureBudget_{kPicturePixelBudget};
    mutable std::unique_ptr<printer::ProgramPrinter> ownPrinter_;
    std::vector<std::unique_ptr<PreparedPage>> pages_;
};

}  // namespace prepared

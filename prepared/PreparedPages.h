// The store of a prepared report: the finished pages in order, each held as the bytes of its
// objects and turned back into live objects only while it is drawn. It also writes and reads
// the prepared-report file (.frp).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/Canvas.h"
#include "prepared/PreparedPage.h"
#include "report/ByteWriter.h"
#include "report/Page.h"
#include "report/Report.h"
#include "report/View.h"

namespace preview {

class TfrPrinter;

// Message of a prepared-report file whose pages were stored compressed.
inline constexpr const char* kCompressedFileMessage = "File di report compresso non supportato";

class TfrEMFPages {
public:
    // Both are borrowed. Without a report the printer name read from a file is only handed
    // to the printer; without a printer the program's printer is used.
    explicit TfrEMFPages(report::TfrReport* report = nullptr, TfrPrinter* printer = nullptr);
    ~TfrEMFPages();
    TfrEMFPages(const TfrEMFPages&) = delete;
    TfrEMFPages& operator=(const TfrEMFPages&) = delete;

    int Count() const { return static_cast<int>(pages_.size()); }
    // 0-based; throws std::out_of_range for an index outside the store.
    PreparedPage& Page(int index);
    const PreparedPage& Page(int index) const;
    // The object stream of page `index`, where the preparation engine appends its entries.
    report::ByteWriter& PageStream(int index) { return Page(index).objectStream; }

    void Clear();
    // A record for the template page at `index` (at the end when index >= Count()): its paper,
    // margins and printer geometry, and an object stream holding only the version byte.
    void Insert(int index, const report::TfrPage& page);
    // Insert at the end, then the begin-page handler with the new page's index.
    void Add(const report::TfrPage& page);
    void Delete(int index);

    // Rebuilds the page's objects from its stream (stream and factory errors propagate).
    void LoadObjects(int index);
    // Writes the loaded objects back into the page's stream.
    void StoreObjects(int index);

    // Draws page `index` scaled into `rect`; a page not in view releases its objects instead.
    void Draw(int index, platform::Canvas& canvas, const platform::Rect& rect);
    // The topmost object under `point` (page pixels from the page's top-left corner) raises
    // the click or mouse-over handler; false when no object is hit or no handler is set.
    bool HitTest(int index, platform::Point point, int& cursor, bool click);

    // The prepared-report file.
    void SaveToStream(report::ByteWriter& out) const;
    std::vector<std::uint8_t> SaveToBytes() const;
    // Replaces the pages with those of the file. Throws report::StreamError on damaged or
    // unsupported input; the pages read completely before the fault stay in the store.
    void LoadFromStream(std::span<const std::uint8_t> bytes);

    // Called by Add with the index of the page just added (the report's begin-page event).
    std::function<void(int pageIndex)> onBeginPage;
    std::function<void(report::TfrView& object)> onObjectClick;
    std::function<void(report::TfrView& object, int& cursor)> onMouseOverObject;
    // Off-screen canvas on which auto-width text objects measure themselves when loaded;
    // borrowed, none = they keep their stored size.
    platform::Canvas* measureCanvas = nullptr;

    report::TfrReport* report() const { return report_; }
    TfrPrinter& printer() const;

private:
    report::TfrReport* report_;
    TfrPrinter* printer_;
    std::vector<std::unique_ptr<PreparedPage>> pages_;
};

}  // namespace preview

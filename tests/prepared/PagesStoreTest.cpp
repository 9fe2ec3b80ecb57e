// Adding, inserting, deleting and clearing pages, and rebuilding a page's objects from its
// stream and writing them back.
#include <gtest/gtest.h>

#include "tests/prepared/PagesTestSupport.h"

namespace {

using prepared::PreparedPages;

struct PagesStore : ::testing::Test {
    report_test::FakeBarcodeRegistration barcodeClass;
    printer::Printer printer;
    std::unique_ptr<report::Page> tpl = pages_test::templatePage(printer);
    PreparedPages pages{nullptr, &printer};

    // Tags each page by the paper width of its template so order can be checked.
    void addWithWidth(int index, int width) {
        report::Page t;
        t.paperWidth = width;
        pages.insert(index, t);
    }
    std::vector<int> widths() const {
        std::vector<int> w;
        for (int i = 0; i < pages.count(); ++i) w.push_back(pages.page(i).paperWidth);
        return w;
    }
};

TEST_F(PagesStore, InsertPlacesPagesAndCopiesTheTemplatePage) {
    pages.insert(0, *tpl);
    const prepared::PreparedPage& p = pages.page(0);
    EXPECT_EQ(p.paperSize, tpl->paperSize);
    EXPECT_EQ(p.paperWidth, tpl->paperWidth);
    EXPECT_EQ(p.paperHeight, tpl->paperHeight);
    EXPECT_EQ(p.orientation, 1);
    EXPECT_EQ(p.bin, tpl->bin);
    EXPECT_FALSE(p.useMargins);
    EXPECT_EQ(p.margins.left, 18);
    EXPECT_EQ(p.margins.bottom, 21);
    EXPECT_EQ(p.geometry.values(), tpl->printerGeometry);
    EXPECT_EQ(p.loadedPage, nullptr);
    EXPECT_EQ(p.objectStream.bytes(), std::vector<std::uint8_t>{24});

    pages.clear();
    addWithWidth(0, 1);
    addWithWidth(5, 3);  // past the end: appended
    addWithWidth(1, 2);
    addWithWidth(0, 0);
    addWithWidth(-4, -1);  // before the start: first
    EXPECT_EQ(widths(), (std::vector<int>{-1, 0, 1, 2, 3}));
    pages.remove(2);
    pages.remove(3);
    EXPECT_EQ(widths(), (std::vector<int>{-1, 0, 2}));
    EXPECT_THROW(pages.remove(3), std::out_of_range);
    EXPECT_THROW(pages.page(-1), std::out_of_range);
    pages.clear();
    EXPECT_EQ(pages.count(), 0);
}

TEST_F(PagesStore, AddCallsTheBeginPageHandlerWithTheNewPage) {
    std::vector<int> begun;
    pages.onBeginPage = [&](int index) {
        begun.push_back(index);
        // The engine writes into the new page from the handler: the page must already exist.
        pages_test::print(pages, index, *pages_test::memo("Intestazione", 0, 0));
    };
    pages.add(*tpl);
    pages.add(*tpl);
    EXPECT_EQ(begun, (std::vector<int>{0, 1}));
    EXPECT_GT(pages.page(1).objectStream.bytes().size(), 1u);
}

TEST_F(PagesStore, ObjectsComeBackFromTheStreamWithTheirPrintedText) {
    pages.add(*tpl);
    auto m = pages_test::memo("ignorato", 10, 20, 100, 30);
    m->workingLines = {"RSSMRA80A01H501U"};
    // The engine prints a memo's evaluated lines: write them the way View::print does.
    m->memo = m->workingLines;
    pages_test::print(pages, 0, *m);
    pages_test::print(pages, 0, *pages_test::line(5, 60, 400));
    pages_test::print(pages, 0, *pages_test::bar("ABC123", 300, 40));

    pages.loadObjects(0);
    const report::Page& loaded = *pages.page(0).loadedPage;
    ASSERT_EQ(loaded.objects().size(), 3u);
    const auto& memo = *loaded.objects()[0];
    EXPECT_EQ(memo.objectType(), report::kMemoObject);
    EXPECT_EQ(memo.memo, (std::vector<std::string>{"RSSMRA80A01H501U"}));
    EXPECT_EQ((std::array{memo.left, memo.top, memo.width, memo.height}), (std::array{10, 20, 100, 30}));
    EXPECT_EQ(memo.page, &loaded);
    EXPECT_EQ(loaded.objects()[1]->objectType(), report::kLineObject);
    auto* barcode = dynamic_cast<report_test::FakeBarcodeView*>(loaded.objects()[2].get());
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->memo, (std::vector<std::string>{"ABC123"}));
    EXPECT_EQ(loaded.paperWidth, pages.page(0).paperWidth);
    EXPECT_EQ(loaded.orientation, 1);
    EXPECT_EQ(loaded.margins[1], 19);

    // Writing back unchanged objects gives the same bytes; an edit is kept.
    const std::vector<std::uint8_t> before = pages.page(0).objectStream.bytes();
    pages.storeObjects(0);
    EXPECT_EQ(pages.page(0).objectStream.bytes(), before);
    loaded.objects()[0]->memo = {"modificato"};
    loaded.objects()[1]->left = 77;
    pages.storeObjects(0);
    pages.loadObjects(0);
    EXPECT_EQ(pages.page(0).loadedPage->objects()[0]->memo, (std::vector<std::string>{"modificato"}));
    EXPECT_EQ(pages.page(0).loadedPage->objects()[1]->left, 77);
}

TEST_F(PagesStore, AStreamTheReaderCannotFollowIsAnError) {
    pages.add(*tpl);
    pages_test::print(pages, 0, *pages_test::bar("X", 0, 0));
    const std::vector<std::uint8_t> withBar = pages.page(0).objectStream.bytes();
    report::unregisterAddIn(report_test::FakeBarcodeView::kClassName);
    EXPECT_THROW(pages.loadObjects(0), platform::StreamError);
    report::registerAddIn(report_test::FakeBarcodeView::kClassName,
                          [] { return std::make_unique<report_test::FakeBarcodeView>(); });

    for (std::vector<std::uint8_t> bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{24, 99},
                                            std::vector<std::uint8_t>(withBar.begin(), withBar.end() - 1)}) {
        pages.page(0).objectStream = {};
        pages.page(0).objectStream.append(bytes);
        EXPECT_THROW(pages.loadObjects(0), platform::StreamError) << bytes.size();
        EXPECT_EQ(pages.page(0).loadedPage, nullptr);
    }
}

// The command line drops the print list and the template before writing: the pages it keeps
// must be whole, in order, edits included, and need nothing from the store they came from.
TEST_F(PagesStore, TakenPagesKeepTheirBytesAndEditsAndLeaveTheSourceEmpty) {
    report::Report owner;
    auto source = std::make_unique<PreparedPages>(&owner, &printer);
    for (int sheet = 0; sheet < 3; ++sheet) pages_test::addLabelSheet(*source, *tpl, sheet, true);
    source->loadObjects(1);
    source->page(1).loadedPage->objects()[0]->memo = {"modificato"};  // loaded and edited, not stored
    pages.add(*tpl);  // a page already in the store stays first

    pages.takePages(*source);
    EXPECT_EQ(source->count(), 0);
    source.reset();
    ASSERT_EQ(pages.count(), 4);
    for (int index = 0; index < pages.count(); ++index) EXPECT_EQ(pages.page(index).loadedPage, nullptr);
    pages.loadObjects(1);
    EXPECT_EQ(pages.page(1).loadedPage->objects()[0]->memo, (std::vector<std::string>{"Foglio 1"}));
    EXPECT_EQ(pages.page(1).loadedPage->report, nullptr);
    pages.loadObjects(2);
    EXPECT_EQ(pages.page(2).loadedPage->objects()[0]->memo, (std::vector<std::string>{"modificato"}));
    pages.loadObjects(3);
    EXPECT_EQ(pages.page(3).loadedPage->objects().size(), 2u + 6 * 9 * 2);

    pages.takePages(pages);  // taking from itself changes nothing
    EXPECT_EQ(pages.count(), 4);
}

}  // namespace

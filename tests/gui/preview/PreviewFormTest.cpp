// The preview window on the offscreen platform: layout at each zoom, keys, mouse, the zoom
// menu, the process-wide zoom, open and save, help, the stored bounds and the store exchange.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewFileDialogs.h"
#include "gui/preview/PreviewHelpTexts.h"
#include "gui/preview/PreviewViewer.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PreviewZoom.h"
#include "prepared/PreparedReportIo.h"
#include "tests/gui/preview/PreviewTestPages.h"
#include "tests/support/MessageBoxAnswers.h"

namespace {

using gui::preview::PreviewAction;
using gui::preview::PreviewWindow;
using gui::preview::ZoomMode;

struct PreviewForm : ::testing::Test {
    preview_test::PrivateSettings settings;
    preview_test::TestPages t{5};
    std::unique_ptr<PreviewWindow> form;
    test_support::MessageBoxAnswers answers;  // clicks OK on every box and notes its text

    void SetUp() override {
        settings.memory.writeBounds({0, 0, 1400, 900, false});
        form = open();
    }
    void TearDown() override { form.reset(); }
    std::unique_ptr<PreviewWindow> open() {
        gui::preview::PreviewOptions options;
        options.modal = false;
        auto f = std::make_unique<PreviewWindow>(options, nullptr, settings.services());
        f->showPreview(t.pages);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        f->pageBox()->relayout();
        return f;
    }
    gui::preview::PageBox& view() const { return *form->pageBox(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(form->pageBox(), static_cast<Qt::Key>(k), m);
    }
    // A wheel turned over the middle of the page area; 120 is one notch, negative is down.
    void wheel(int delta) {
        const QPoint at = form->pageBox()->rect().center();
        QWheelEvent event(at, form->pageBox()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->pageBox(), &event);
    }
    QPoint onScreen(const platform::Rect& desk, int dx = 20, int dy = 20) const {
        return {desk.left + dx - view().horizontalPosition(), desk.top + dy - view().verticalPosition()};
    }
};

TEST_F(PreviewForm, OpensOnPageOneWithThePageText) {
    EXPECT_EQ(view().currentPage(), 1);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 1/5"));
    EXPECT_EQ(form->zoomCaption(), QStringLiteral("100%"));
    EXPECT_EQ(form->checkedZoomTag(), 100);
    EXPECT_EQ(view().verticalPosition(), 0);
}

TEST_F(PreviewForm, LayoutFollowsEveryZoomChoice) {
    const platform::Size box = view().viewSize();
    const int pageWidth = t.pages.page(0).geometry.paperWidthPx;
    struct Case {
        int tag;
        ZoomMode mode;
        int perRow;
    } cases[] = {
        {100, ZoomMode::Fixed, box.width >= 2 * pageWidth + 30 ? 2 : 1},
        {200, ZoomMode::Fixed, 1},
        {25, ZoomMode::Fixed, int((box.width - 10) / (std::lround(pageWidth * 0.25) + 10))},
        {1, ZoomMode::PageWidth, 1},
        {2, ZoomMode::WholePage, 1},
        {3, ZoomMode::TwoPages, 2},
    };
    for (const Case& c : cases) {
        form->chooseZoom(c.tag);
        EXPECT_EQ(view().zoomMode(), c.mode) << c.tag;
        EXPECT_EQ(view().layout().perRow, c.perRow) << c.tag;
        EXPECT_EQ(form->checkedZoomTag(), c.tag);
        EXPECT_EQ(form->zoomCaption(), QString::number(std::lround(view().zoom() * 100)) + "%");
        EXPECT_EQ(view().layout().bounds,
                  gui::preview::layoutDesk(
                      std::vector<platform::Size>(5, {pageWidth, t.pages.page(0).geometry.paperHeightPx}),
                      view().zoom(), c.mode, box)
                      .bounds);
    }
    form->chooseZoom(1);
    EXPECT_EQ(view().layout().bounds[0].left, 10);
    EXPECT_EQ(view().layout().bounds[0].right, box.width - 10);
}

TEST_F(PreviewForm, ScrollingAndPageKeys) {
    form->chooseZoom(100);
    key(Qt::Key_Down);
    EXPECT_EQ(view().verticalPosition(), 10);
    key(Qt::Key_PageDown);
    EXPECT_EQ(view().verticalPosition(), 210);
    key(Qt::Key_Up);
    EXPECT_EQ(view().verticalPosition(), 200);
    key(Qt::Key_Home);  // without Ctrl: nothing
    EXPECT_EQ(view().verticalPosition(), 200);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view().verticalPosition(), 0);

    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view().currentPage(), 5);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(view().currentPage(), 4);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 4/5"));
    EXPECT_EQ(view().verticalPosition(),
              std::min(view().layout().verticalMax, view().layout().bounds[3].top - 10));
    key(Qt::Key_PageDown, Qt::ControlModifier);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(view().currentPage(), 5);  // stays on the last page
}

// The window's page counter and zoom box follow the page area, whatever moved it: the wheel,
// the page buttons beside the bar, a resize under a zoom mode.
TEST_F(PreviewForm, ThePageCounterAndTheZoomBoxFollowThePageArea) {
    form->chooseZoom(200);
    for (int i = 0; i < 200 && view().currentPage() == 1; ++i) wheel(-120);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 2/5"));
    EXPECT_EQ(view().accessibleName(), QStringLiteral("Pagina 2 di 5"));
    QToolButton* next = nullptr;
    for (QToolButton* b : form->findChildren<QToolButton*>())
        if (b->accessibleName() == QStringLiteral("Pagina successiva")) next = b;
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 3/5"));

    form->chooseZoom(1);  // page width
    const QString wide = form->zoomCaption();
    form->resize(form->width() - 300, form->height());
    QTest::qWait(20);
    EXPECT_NE(form->zoomCaption(), wide);
    EXPECT_EQ(form->zoomCaption(), QString::number(std::lround(view().zoom() * 100)) + "%");
    EXPECT_EQ(form->checkedZoomTag(), 1);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 3/5"));
}

TEST_F(PreviewForm, SidewaysKeysAt200Percent) {
    form->chooseZoom(200);
    ASSERT_GT(view().layout().horizontalMax, 0);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(view().horizontalPosition(), 20);
    key(Qt::Key_Left);
    EXPECT_EQ(view().horizontalPosition(), 10);
}

TEST_F(PreviewForm, ScrollingMakesThePageUnderTheTopCurrent) {
    form->chooseZoom(200);
    const auto& b = view().layout().bounds;
    form->runAction(PreviewAction::FirstLine);
    QTest::keyClick(form->pageBox(), Qt::Key_PageDown);
    EXPECT_EQ(view().currentPage(), 1);
    // Wheel down past the first page.
    for (int i = 0; i < 200 && view().currentPage() == 1; ++i) wheel(-120);
    EXPECT_EQ(view().currentPage(), 2);
    EXPECT_GT(view().verticalPosition() + 11, b[1].top);
    EXPECT_LE(view().verticalPosition() + 11 - 10, b[1].top);
}

TEST_F(PreviewForm, ClicksOnAPageOrTheDeskAndDragging) {
    form->chooseZoom(25);
    const auto& b = view().layout().bounds;
    ASSERT_GE(view().layout().perRow, 2);
    QTest::mouseClick(form->pageBox(), Qt::LeftButton, {}, onScreen(b[1]));
    EXPECT_EQ(view().currentPage(), 2);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 2/5"));
    // The grey desk between pages: dragging starts, the current page stays.
    QTest::mouseClick(form->pageBox(), Qt::LeftButton, {},
                      QPoint(b[0].right + 5 - view().horizontalPosition(), 5));
    EXPECT_EQ(view().currentPage(), 2);

    form->chooseZoom(200);
    form->runAction(PreviewAction::FirstLine);
    QTest::mousePress(form->pageBox(), Qt::LeftButton, {}, {300, 300});
    QTest::mouseMove(form->pageBox(), {280, 250});
    QTest::mouseRelease(form->pageBox(), Qt::LeftButton, {}, {280, 250});
    QTest::mouseMove(form->pageBox(), {100, 100});
    EXPECT_EQ(view().horizontalPosition(), 20);
    EXPECT_EQ(view().verticalPosition(), 50);
}

TEST_F(PreviewForm, AClickOnAnObjectGoesToItsHandlerNotToDragging) {
    std::vector<std::string> clicked;
    t.pages.onObjectClick = [&](report::View& object) { clicked.push_back(object.memo.at(0)); };
    form->chooseZoom(50);
    const int pageIndex = 1;
    const prepared::PreparedPage& page = t.pages.page(pageIndex);
    const platform::Rect frame = view().layout().bounds[pageIndex];
    const platform::Rect content = prepared::pageContentRect(page, frame, view().zoom());
    const double sx = double(content.width()) / page.geometry.paperWidthPx;
    const double sy = double(content.height()) / page.geometry.paperHeightPx;
    // Inside the heading "Foglio 2" (20, 10, 300 × 20 in page pixels).
    const QPoint heading(int(content.left + 100 * sx) - view().horizontalPosition(),
                         int(content.top + 20 * sy) - view().verticalPosition());
    QTest::mouseClick(form->pageBox(), Qt::LeftButton, {}, heading);
    ASSERT_EQ(clicked, (std::vector<std::string>{"Foglio 2"}));
    EXPECT_EQ(view().currentPage(), 1);                      // the handler took the click
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // not a double click
    QTest::mouseClick(form->pageBox(), Qt::LeftButton, {}, heading + QPoint(0, -int(15 * sy)));  // above it
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(view().currentPage(), 2);
}

TEST_F(PreviewForm, TheZoomMenuAndTheProcessWideZoom) {
    key(Qt::Key_Space);
    EXPECT_TRUE(form->zoomMenu()->isVisible());
    form->zoomMenu()->hide();
    form->chooseZoom(75);
    EXPECT_EQ(settings.memory.lastZoom().zoom, 0.75);
    form.reset();
    EXPECT_EQ(t.pages.count(), 0);  // the window released the pages it held

    preview_test::TestPages again(3);
    gui::preview::PreviewOptions options;
    options.modal = false;
    PreviewWindow second(options, nullptr, settings.services());
    second.showPreview(again.pages);
    EXPECT_EQ(second.zoomCaption(), QStringLiteral("75%"));
    EXPECT_EQ(second.checkedZoomTag(), 75);
    second.chooseZoom(2);
    preview_test::TestPages third(2);
    PreviewWindow third_form(options, nullptr, settings.services());
    third_form.showPreview(third.pages);
    EXPECT_EQ(third_form.pageBox()->zoomMode(), ZoomMode::WholePage);
    EXPECT_EQ(third_form.checkedZoomTag(), 2);
}

TEST_F(PreviewForm, EscapeClosesAndStoresTheBounds) {
    form->setGeometry(40, 50, 1000, 700);
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    QSettings ini(QString::fromStdString(settings.path), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Form/TfrPreviewForm"));
    EXPECT_EQ(ini.value("Width").toString(), "1000");
    EXPECT_EQ(ini.value("Height").toString(), "700");
    EXPECT_EQ(ini.value("Maximized").toString(), "0");
}

using preview_test::ScriptedDialogs;

TEST_F(PreviewForm, SaveAndOpenPreparedReportsAndPdf) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    form->setFileDialogs(&dialogs);
    dialogs.name = dir.filePath("copia.txt");
    dialogs.filter = QStringLiteral("File di report (*.frp)");
    key(Qt::Key_S, Qt::ControlModifier);
    // Another extension keeps its name and gains the chosen type's.
    EXPECT_TRUE(QFile::exists(dir.filePath("copia.txt.frp")));
    EXPECT_EQ(form->pages(), &t.pages);  // given back after saving

    dialogs.name = dir.filePath("copia");
    dialogs.filter = QStringLiteral("PDF (*.pdf)");
    key(Qt::Key_S, Qt::ControlModifier);
    QFile pdf(dir.filePath("copia.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");

    preview_test::TestPages other(2);
    prepared::savePrepared(other.pages, dir.filePath("due.frp").toStdString());
    key(Qt::Key_End, Qt::ControlModifier);
    dialogs.name = dir.filePath("due.frp");
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form->pageCount(), 2);
    EXPECT_EQ(view().currentPage(), 1);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 1/2"));
    EXPECT_TRUE(answers.texts().empty());
}

TEST_F(PreviewForm, ADamagedFileLeavesTheShownReport) {
    QTemporaryDir dir;
    QFile bad(dir.filePath("rotto.frp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    const std::vector<std::uint8_t> good = t.pages.saveToBytes();
    bad.write(reinterpret_cast<const char*>(good.data()), qint64(good.size() / 2));
    bad.close();
    form->openFile(bad.fileName());
    form->openFile(dir.filePath("assente.frp"));
    ASSERT_EQ(answers.texts().size(), 2u);
    // Each box names the file it could not open and why.
    EXPECT_EQ(answers.texts()[0].rfind("Il file \"rotto.frp\" non è stato aperto: ", 0), 0u)
        << answers.texts()[0];
    EXPECT_NE(answers.texts()[1].find("non è stato aperto: File non trovato: "), std::string::npos)
        << answers.texts()[1];
    EXPECT_EQ(form->pageCount(), 5);
    EXPECT_EQ(form->pageText(), QStringLiteral("Pagina 1/5"));
}

TEST_F(PreviewForm, HelpPopsUpTheTopicOfTheControlClicked) {
    form->startHelp();
    EXPECT_TRUE(form->inHelpMode());
    QToolButton* zoom = form->button(gui::preview::kTagZoom);
    QTest::mousePress(form->pageBox(), Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(form->inHelpMode());
    EXPECT_EQ(form->lastHelpTag(), gui::preview::kTagPageBox);
    form->startHelp();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, zoom->mapTo(form.get(), QPoint(5, 5)));
    EXPECT_EQ(form->lastHelpTag(), gui::preview::kTagZoom);
    EXPECT_FALSE(gui::preview::previewHelpText(gui::preview::kTagZoom).empty());
}

TEST_F(PreviewForm, FindAndSearchAgainHighlightTheTextInView) {
    t.print(3, "Trovami", 700, 600);
    t.print(3, "trovami ancora", 50, 100);
    form->chooseZoom(200);
    key(Qt::Key_F3);  // nothing searched yet: nothing happens
    EXPECT_EQ(view().currentPage(), 1);
    form->find(QStringLiteral("TROVAMI"), false, true);
    ASSERT_TRUE(form->searchState().found);
    EXPECT_EQ(view().currentPage(), 4);
    ASSERT_TRUE(view().highlight());
    const platform::Rect h = *view().highlight();
    const platform::Size box = view().viewSize();
    EXPECT_GE(h.left - view().horizontalPosition(), 0);
    EXPECT_LE(h.right - view().horizontalPosition(), box.width);
    EXPECT_GE(h.top - view().verticalPosition(), 0);
    EXPECT_LE(h.bottom - view().verticalPosition(), box.height);

    key(Qt::Key_F3);
    ASSERT_TRUE(form->searchState().found);
    EXPECT_LT(view().highlight()->top, h.top);
    const int v = view().verticalPosition();
    key(Qt::Key_F3);  // past the last match: nothing, the view stays
    EXPECT_FALSE(form->searchState().found);
    EXPECT_EQ(view().verticalPosition(), v);
    EXPECT_EQ(view().currentPage(), 4);
}

TEST(PreviewViewer, ShowsThePagesModallyAndReleasesThemOnClose) {
    preview_test::PrivateSettings settings;
    preview_test::TestPages t{2, false};
    report::Report report;
    gui::preview::PreviewOptions options;
    options.title = "Ricette";
    gui::preview::PreviewViewer viewer(options, nullptr, settings.services());
    QString caption;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        caption = shown->windowTitle();
        modal = shown->isModal();
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    viewer.showPreparedPages(report, t.pages);
    EXPECT_EQ(caption, QStringLiteral("Anteprima - Ricette"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(t.pages.count(), 0);
}

TEST(PreviewViewer, AReportWithoutPagesOpensNoWindow) {
    printer::Printer printer;
    prepared::PreparedPages empty(nullptr, &printer);
    report::Report report;
    gui::preview::PreviewViewer viewer;
    viewer.showPreparedPages(report, empty);  // would block in a modal window otherwise
    EXPECT_EQ(gui::preview::previewCaption(""), QStringLiteral("Anteprima"));
    EXPECT_EQ(gui::preview::previewCaption("Ricette"), QStringLiteral("Anteprima - Ricette"));
}

}  // namespace

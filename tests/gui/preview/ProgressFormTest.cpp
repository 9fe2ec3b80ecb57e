// The progress window: the job runs inside its modal loop, the status line follows the pages,
// cancel takes effect between pages, and an error of the job comes out of run().
#include <gtest/gtest.h>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "gui/preview/ProgressWindow.h"
#include "preparation/ReportProgress.h"

namespace {

struct ProgressForm : ::testing::Test {
    gui::preview::ProgressWindow form;
    preparation::ReportProgress progress;
    void SetUp() override {
        progress.display = &form;
        progress.baseText = "Stampa pagina:";
    }
};

TEST_F(ProgressForm, RunsTheJobModallyAndShowsEachPage) {
    std::vector<QString> seen, spoken;
    bool modal = false;
    progress.runJob("Preparazione report", "Stampa pagina:", [&] {
        modal = form.isVisible() && form.isModal();
        for (int page = 1; page <= 3; ++page) {
            progress.reportPage(page);
            seen.push_back(form.captionLabel->text());
            spoken.push_back(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Description));
        }
    });
    EXPECT_TRUE(modal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(seen.back(), QStringLiteral("Stampa pagina:  3"));
    EXPECT_EQ(spoken, seen);  // a screen reader hears the status as it changes
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preparazione report"));
    EXPECT_EQ(form.cancelButton->text(), QStringLiteral("Annulla"));
    EXPECT_EQ(form.size(), QSize(278, 106));
}

TEST_F(ProgressForm, CancelDuringPageThreeStopsAfterIt) {
    std::vector<int> drawn;
    progress.runJob("Preparazione report", "Stampa pagina:", [&] {
        for (int page = 1; page <= 10 && !progress.terminated(); ++page) {
            if (page == 3) form.cancelButton->click();  // the operator, while page 3 prints
            drawn.push_back(page);
            progress.reportPage(page);
        }
    });
    EXPECT_EQ(drawn, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());

    // The window serves the next job afresh.
    int pages = 0;
    progress.runJob("Preparazione report", "Stampa pagina:", [&] { pages = 2; });
    EXPECT_EQ(pages, 2);
    EXPECT_FALSE(progress.terminated());
}

TEST_F(ProgressForm, AnErrorOfTheJobLeavesTheWindowAndIsRaisedAgain) {
    EXPECT_THROW(progress.runJob("Preparazione report", "x", [] { throw std::runtime_error("guasto"); }),
                 std::runtime_error);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ProgressForm, AProgressHandlerOrNoProgressNeverShowsTheWindow) {
    bool shown = true;
    progress.onProgress = [](int) {};
    progress.runJob("c", "s", [&] { shown = form.isVisible(); });
    EXPECT_FALSE(shown);
    progress.onProgress = nullptr;
    progress.showProgress = false;
    shown = true;
    progress.runJob("c", "s", [&] { shown = form.isVisible(); });
    EXPECT_FALSE(shown);
}

}  // namespace

// What a screen reader gets from the preview and the print dialog: the role and the Italian
// name of every control the operator can use, the toolbar in the keyboard's reach, and the page
// area named after the page it shows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAccessible>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewWindow.h"
#include "gui/preview/PrintDialog.h"
#include "tests/gui/preview/PreviewTestPages.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/FakePrinterBackend.h"

namespace {

using Control = test_support::AccessibleControl;
using test_support::accessibleControls;
constexpr auto Button = QAccessible::Button;

// Three sheets in a preview that offers "Impostazioni foglio", as the main window's does; its
// dialog is closed at once, as by Escape.
struct PreviewTree : ::testing::Test {
    preview_test::PrivateSettings settings;
    preview_test::TestPages t{3};
    int sheetDialogs = 0;
    gui::preview::PreviewOptions options = [this] {
        gui::preview::PreviewOptions o;
        o.modal = false;
        o.sheetSettings = [this](QWidget* parent, gui::preview::ShownPages, const std::function<void()>&) {
            ++sheetDialogs;
            QDialog dialog(parent);
            QTimer::singleShot(0, &dialog, &QDialog::reject);
            dialog.exec();
            return false;
        };
        return o;
    }();
    gui::preview::PreviewWindow form{options, nullptr, settings.services()};
    void SetUp() override {
        form.showPreview(t.pages);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

TEST_F(PreviewTree, NamesItsToolbarAndItsPage) {
    const QString page = QStringLiteral("Pagina 1 di 3");
    const std::vector<Control> expected = {
        {Button, "Scala"},
        {Button, "Apri report"},
        {Button, "Salva report"},
        {Button, "Stampa report"},
        {Button, "Impostazioni foglio"},
        {Button, "Trova testo"},
        {Button, "Guida"},
        {Button, "Chiudi anteprima"},
        {QAccessible::Client, page.toStdString()},  // the page area
        {Button, "Pagina precedente", false},
        {Button, "Pagina successiva", false},
    };
    EXPECT_THAT(accessibleControls(&form), ::testing::UnorderedElementsAreArray(expected));

    form.pageBox()->nextPage();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.pageBox())->text(QAccessible::Name),
              QStringLiteral("Pagina 2 di 3"));
}

// Tab leaves the page area for the toolbar and comes round to it again. (The print button is
// off here: the test pages are on the virtual printer.)
TEST_F(PreviewTree, TabWalksTheToolbar) {
    ASSERT_EQ(QApplication::focusWidget(), form.pageBox());
    std::vector<std::string> reached;
    for (int i = 0; i < 12 && (reached.empty() || QApplication::focusWidget() != form.pageBox()); ++i) {
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        if (auto* b = qobject_cast<QToolButton*>(QApplication::focusWidget()))
            reached.push_back(b->accessibleName().toStdString());
    }
    EXPECT_EQ(QApplication::focusWidget(), form.pageBox());
    EXPECT_THAT(reached, ::testing::Contains("Impostazioni foglio"));
    EXPECT_THAT(reached, ::testing::Contains("Chiudi anteprima"));

    // Back to the last button; Return presses it as Space would.
    QTest::keyClick(form.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Chiudi anteprima"));
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
}

// After a dialog opened from the toolbar the focus is back on its button, so that Tab goes on
// from there instead of from the page area.
TEST_F(PreviewTree, ToolbarButtonKeepsTheFocusAcrossItsDialog) {
    auto buttons = form.findChildren<QToolButton*>();
    auto sheet = std::find_if(buttons.begin(), buttons.end(), [](QToolButton* b) {
        return b->accessibleName() == QStringLiteral("Impostazioni foglio");
    });
    ASSERT_NE(sheet, buttons.end());
    (*sheet)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.windowHandle(), Qt::Key_Space);
    // The virtual display does not hand the activation back by itself, as a window manager does.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(sheetDialogs, 1);
    EXPECT_EQ(QApplication::focusWidget(), *sheet);
}

TEST(PrintDialogTree, NamesEveryControl) {
    printer::FakePrinter office;
    office.name = "Ufficio";
    printer::FakePrinterBackend backend({office}, 0);
    printer::Printer printer;
    printer.attachPrinter(&backend);
    gui::preview::PrintDialog form(printer);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const std::vector<Control> expected = {
        {QAccessible::ComboBox, "Nome:"},
        {Button, "Proprietà"},
        {QAccessible::RadioButton, "Tutte"},
        {QAccessible::RadioButton, "Pagina corrente"},
        {QAccessible::RadioButton, "Pagine:"},
        {QAccessible::EditableText, "Pagine"},
        {QAccessible::EditableText, "Numero di copie:"},
        {Button, "Una copia in più"},
        {Button, "Una copia in meno"},
        {QAccessible::CheckBox, "Fascicola"},
        {QAccessible::ComboBox, "Stampa"},
        {Button, "OK"},
        {Button, "Annulla"},
    };
    EXPECT_THAT(accessibleControls(&form), ::testing::UnorderedElementsAreArray(expected));
    form.reject();
}

}  // namespace

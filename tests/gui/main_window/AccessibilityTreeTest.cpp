// What a screen reader gets from the main window: the role and the Italian name of every
// control the operator can use, every one of them reachable from the keyboard, and the mark on
// the focused grid cell.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAccessible>
#include <QTest>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "tests/gui/main_window/MainWindowFixture.h"
#include "tests/support/AccessibleTree.h"

namespace {

using Control = test_support::AccessibleControl;

std::vector<std::string> columnHeaders(QWidget* table) {
    std::vector<std::string> out;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(table);
    if (!a || !a->tableInterface()) return out;
    for (int c = 0; c < a->tableInterface()->columnCount(); ++c)
        out.push_back(a->tableInterface()->columnDescription(c).toStdString());
    return out;
}

constexpr auto Button = QAccessible::Button;
constexpr auto Edit = QAccessible::EditableText;
constexpr auto Radio = QAccessible::RadioButton;

class NoDialogs : public gui::main_window::Dialogs {
public:
    void message(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
    gui::main_window::FailedSaveChoice failedSave(QWidget*, const QString&, const QString&, bool) override {
        return gui::main_window::FailedSaveChoice::LeaveWithoutSaving;
    }
    QString unsavedCodesFile(QWidget*) override { return {}; }
};

class AccessibilityTree : public main_window_test::MainWindowFixture<NoDialogs> {};

TEST_F(AccessibilityTree, MainWindowNamesEveryControlInItalian) {
    start("AAAAAA85T10A562A\r\n");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), form->windowTitle());

    const std::vector<Control> expected = {
        {Edit, "Registra e controllo"},
        {Button, "Salva"},
        {Edit, "Ora in memoria"},
        {Button, "I"},
        {QAccessible::Table, "Codici fiscali in memoria"},
        {Button, "Primo record"},
        {Button, "Record precedente"},
        {Button, "Record successivo"},
        {Button, "Ultimo record"},
        {Button, "Elimina record"},
        {Button, "Aggiorna"},
        {Edit, "Ricerca"},
        {Button, "Diminuisci dimensione finestra"},
        {Button, "Misura finestra standard"},
        {Button, "Stampa C.F."},
        {Button, "Reset"},
        {Edit, "Barcode libero"},
        {Button, "Inserisci"},
        {Button, "Codici Esenzioni"},
        {Button, "Codici Ossigeno"},
        {QAccessible::Table, "Lista di stampa"},
        {Button, "Stampa Su Carta"},
        {Radio, "53"},
        {Radio, "107"},
        {Radio, "161"},
        {Radio, "999mm"},
        {Radio, "99999"},
        {QAccessible::ComboBox, "Mese"},
        {QAccessible::SpinBox, "Anno"},
        {Button, "Calendario"},
        {Button, "Codici"},
        {Button, "ESCI"},
    };
    EXPECT_THAT(test_support::accessibleControls(form.get()), ::testing::UnorderedElementsAreArray(expected));
    EXPECT_EQ(columnHeaders(form->fiscalGrid), std::vector<std::string>{"codice"});
    EXPECT_EQ(columnHeaders(form->printListGrid), std::vector<std::string>{"giorno"});
}

// The cell with the focus is framed so that the frame shows against the white grid and the
// navy selected row alike.
TEST_F(AccessibilityTree, FocusedGridCellCarriesAMarkThatShowsInAndAroundIt) {
    start("AAAAAA85T10A562A\r\n");
    auto* grid = form->fiscalGrid;
    grid->setFocus(Qt::TabFocusReason);
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    const QImage img = grid->viewport()->grab().toImage();
    const QPoint mid(cell.center().x(), cell.top());
    for (int d : {0, 1}) EXPECT_EQ(img.pixelColor(mid + QPoint(0, d)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(mid + QPoint(0, 2)), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(cell.center().x(), cell.top() + 4), QColor(0, 0, 128));  // the row's navy
}

}  // namespace

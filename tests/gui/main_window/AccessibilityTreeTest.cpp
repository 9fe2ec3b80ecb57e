// What a screen reader gets from the windows: their accessibility trees walked through
// QAccessible, as the platform bridge walks them, with the role and the Italian name of every
// control the operator can use, and every one of them reachable from the keyboard.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAccessible>
#include <QTest>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/Dialogs.h"
#include "gui/main_window/MainWindow.h"
#include "tests/gui/main_window/MainWindowFixture.h"

namespace {

struct Control {
    QAccessible::Role role;
    std::string name;
    bool focusable = true;
    bool operator==(const Control& o) const = default;
};

std::ostream& operator<<(std::ostream& os, const Control& c) {
    return os << "{role 0x" << std::hex << int(c.role) << std::dec << ", \"" << c.name << "\""
              << (c.focusable ? "" : ", not focusable") << "}";
}

bool isInteractive(QAccessibleInterface* node) {
    switch (node->role()) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::Table:
        case QAccessible::PageTab:
        case QAccessible::Slider:
            return true;
        default:
            return node->state().focusable;
    }
}

std::string nameOf(QAccessibleInterface* node) {
    return node->text(QAccessible::Name).trimmed().toStdString();
}

// An editable combo box is named on Linux by its edit, which is what takes the focus; its
// own name there is its current text.
std::string spokenName(QAccessibleInterface* node) {
    if (node->role() == QAccessible::ComboBox) {
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* part = node->child(i);
                part && part->role() == QAccessible::EditableText)
                return nameOf(part);
    }
    return nameOf(node);
}

// Every visible interactive control below `node`; the parts of a table, combo box or spin
// box (cells, list items, arrows) belong to that control.
void collect(QAccessibleInterface* node, std::vector<Control>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        if (isInteractive(child))
            out.push_back({child->role(), spokenName(child), bool(child->state().focusable)});
        const QAccessible::Role r = child->role();
        if (r != QAccessible::Table && r != QAccessible::ComboBox && r != QAccessible::SpinBox)
            collect(child, out);
    }
}

std::vector<Control> controlsOf(QWidget* window) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    EXPECT_TRUE(root);
    std::vector<Control> out;
    if (root) collect(root, out);
    return out;
}

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
    EXPECT_THAT(controlsOf(form.get()), ::testing::UnorderedElementsAreArray(expected));
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

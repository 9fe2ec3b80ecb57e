// A window as a screen reader gets it: its accessibility tree walked through QAccessible, as the
// platform bridge walks it, down to every control the operator can use, with its role, the name
// spoken for it and whether it takes the keyboard focus.
#pragma once

#include <QAccessible>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

namespace test_support {

struct AccessibleControl {
    QAccessible::Role role;
    std::string name;
    bool focusable = true;
    bool operator==(const AccessibleControl& o) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const AccessibleControl& c) {
    return os << "{role 0x" << std::hex << int(c.role) << std::dec << ", \"" << c.name << "\""
              << (c.focusable ? "" : ", no focus") << "}";
}

inline bool isInteractive(QAccessibleInterface* node) {
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

inline std::string nameOf(QAccessibleInterface* node) {
    return node->text(QAccessible::Name).trimmed().toStdString();
}

// On Linux a combo box's own name is its current text; a screen reader names it by the label
// that captions it, or (an editable one) by its edit, which is what takes the focus.
inline std::string spokenName(QAccessibleInterface* node) {
    if (node->role() != QAccessible::ComboBox) return nameOf(node);
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        if (label) return nameOf(label);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* part = node->child(i); part && part->role() == QAccessible::EditableText)
            return nameOf(part);
    return nameOf(node);
}

// Every visible interactive control below `node`; the parts of a table, combo box or spin box
// (cells, list items, arrows) belong to that control.
inline void collectControls(QAccessibleInterface* node, std::vector<AccessibleControl>& out) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        if (isInteractive(child))
            out.push_back({child->role(), spokenName(child), bool(child->state().focusable)});
        const QAccessible::Role r = child->role();
        if (r != QAccessible::Table && r != QAccessible::ComboBox && r != QAccessible::SpinBox)
            collectControls(child, out);
    }
}

inline std::vector<AccessibleControl> accessibleControls(QWidget* window) {
    std::vector<AccessibleControl> out;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window))
        collectControls(root, out);
    return out;
}

}  // namespace test_support

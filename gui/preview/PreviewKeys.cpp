#include "gui/preview/PreviewKeys.h"

#include <array>

namespace gui::preview {

namespace {

enum class Ctrl { Any, Without, With };

struct KeyBinding {
    int key;
    Ctrl ctrl;
    PreviewAction action;
};

// first matching row wins, so the Ctrl rows come before their plain twins.
constexpr std::array kBindings{
    KeyBinding{Qt::Key_Up, Ctrl::Any, PreviewAction::LineUp},
    KeyBinding{Qt::Key_Down, Ctrl::Any, PreviewAction::LineDown},
    KeyBinding{Qt::Key_Left, Ctrl::Any, PreviewAction::LineLeft},
    KeyBinding{Qt::Key_Right, Ctrl::Any, PreviewAction::LineRight},
    KeyBinding{Qt::Key_PageUp, Ctrl::With, PreviewAction::PreviousPage},
    KeyBinding{Qt::Key_PageDown, Ctrl::With, PreviewAction::NextPage},
    KeyBinding{Qt::Key_PageUp, Ctrl::Without, PreviewAction::ScreenUp},
    KeyBinding{Qt::Key_PageDown, Ctrl::Without, PreviewAction::ScreenDown},
    KeyBinding{Qt::Key_Home, Ctrl::With, PreviewAction::FirstLine},
    KeyBinding{Qt::Key_End, Ctrl::With, PreviewAction::LastPage},
    KeyBinding{Qt::Key_Space, Ctrl::Any, PreviewAction::ZoomMenu},
    KeyBinding{Qt::Key_Escape, Ctrl::Any, PreviewAction::exit},
    KeyBinding{Qt::Key_F3, Ctrl::Without, PreviewAction::SearchAgain},
    KeyBinding{Qt::Key_O, Ctrl::With, PreviewAction::Open},
    KeyBinding{Qt::Key_S, Ctrl::With, PreviewAction::Save},
    KeyBinding{Qt::Key_P, Ctrl::With, PreviewAction::Print},
    KeyBinding{Qt::Key_F, Ctrl::With, PreviewAction::Find},
    KeyBinding{Qt::Key_E, Ctrl::With, PreviewAction::EditPage},
};

bool ctrlMatches(Ctrl rule, bool ctrl) {
    return rule == Ctrl::Any || (rule == Ctrl::With) == ctrl;
}

}  // namespace

PreviewAction previewKeyAction(int key, bool ctrl) {
    for (const KeyBinding& b : kBindings)
        if (b.key == key && ctrlMatches(b.ctrl, ctrl)) return b.action;
    return PreviewAction::None;
}

}  // namespace gui::preview

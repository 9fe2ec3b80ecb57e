#include "gui/main_window/LinePasteFilter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace gui::main_window {

bool hasLineBreak(const QString& text) {
    return text.contains('\n') || text.contains('\r');
}

LinePasteFilter::LinePasteFilter(QLineEdit* edit) : QObject(edit), edit_(edit) {
    edit->installEventFilter(this);
}

bool LinePasteFilter::takeLines(const QString& text) {
    if (!hasLineBreak(text)) return false;
    emit linesPasted(text);
    return true;
}

bool LinePasteFilter::eventFilter(QObject* watched, QEvent* e) {
    if (watched != edit_ || edit_->isReadOnly()) return QObject::eventFilter(watched, e);
    switch (e->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste))
                return takeLines(QGuiApplication::clipboard()->text());
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton)
                return takeLines(QGuiApplication::clipboard()->text(QClipboard::Selection));
            break;
        case QEvent::Drop: {
            const QMimeData* data = static_cast<QDropEvent*>(e)->mimeData();
            if (data && takeLines(data->text())) {
                static_cast<QDropEvent*>(e)->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::ContextMenu:
            showContextMenu(static_cast<QContextMenuEvent*>(e));
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, e);
}

// The edit's own menu, whose "Incolla" goes through the same check as Ctrl+V.
void LinePasteFilter::showContextMenu(QContextMenuEvent* e) {
    QMenu* menu = edit_->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QStringLiteral("edit-paste")) continue;
        action->disconnect();
        connect(action, &QAction::triggered, edit_, [this] {
            if (!takeLines(QGuiApplication::clipboard()->text())) edit_->paste();
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

}  // namespace gui::main_window

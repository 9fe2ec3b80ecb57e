#include "platform/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtConvert.h"

namespace platform::qt {

void Clipboard::setText(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(toQString(utf8));
}

std::string Clipboard::text() {
    return fromQString(QGuiApplication::clipboard()->text());
}

}  // namespace platform::qt

// Conversions between the core's drawing types and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "platform/Canvas.h"

namespace platform::qt {

inline QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Color fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}
inline QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
inline Rect fromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
inline QString toQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
inline std::string fromQString(const QString& s) {
    return s.toUtf8().toStdString();
}

// The Qt font for a core font: the height is the character (em) height in device pixels.
QFont toQFont(const Font& f);

}  // namespace platform::qt

// Colours and fonts of the main window, as data.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace gui::main_window::look {

inline const QColor kSilver(192, 192, 192);
inline const QColor kBeige(236, 233, 216);
inline const QColor kPaleBlue(240, 251, 255);
inline const QColor kPaleYellow(255, 255, 225);
inline const QColor kMoneyGreen(192, 220, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kNavy(0, 0, 128);
inline const QColor kGreen(0, 128, 0);
inline const QColor kWhite(255, 255, 255);
// The fiscal codes' red, dark enough to read at 4.5:1 on the grid's white and its header's grey.
inline const QColor kCodeRed(200, 0, 0);
// The selected row of both grids: white on navy.
inline const QColor kSelection = kNavy;
inline const QColor kSelectedText = kWhite;

enum Style { Plain = 0, Bold = 1, Italic = 2 };

inline QFont makeFont(const QString& family, int pixels, int style = Plain) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    return f;
}

}  // namespace gui::main_window::look

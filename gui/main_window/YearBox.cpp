#include "gui/main_window/YearBox.h"

#include <algorithm>

namespace gui::main_window {

namespace {
constexpr int kMaxDigits = 4;
}

YearBox::YearBox(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

// Digits only; out-of-range or empty text may still be typed and is corrected on leaving.
QValidator::State YearBox::validate(QString& input, int&) const {
    const QString text = input.trimmed();
    if (text.isEmpty()) return QValidator::Intermediate;
    if (text.size() > kMaxDigits) return QValidator::Invalid;
    for (const QChar c : text)
        if (!c.isDigit()) return QValidator::Invalid;
    const int year = text.toInt();
    return year >= minimum() && year <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void YearBox::fixup(QString& input) const {
    bool ok = false;
    const int year = input.trimmed().toInt(&ok);
    input = QString::number(ok ? std::clamp(year, minimum(), maximum()) : minimum());
}

}  // namespace gui::main_window

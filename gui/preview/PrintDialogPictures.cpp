#include "gui/preview/PrintDialogPictures.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

namespace gui::preview {

namespace {

// The printer glyph, one character a pixel: k black, w white, g grey, '.' transparent.
constexpr std::array<const char*, kPrinterGlyphHeight> kPrinterGlyphRows = {
    "......kkkkkkkk....", "......kwwwwwwk....", "......kwkkkkwk....", "......kwwwwwwk....",
    "......kwkkkkwk....", "..kkkkkkkkkkkkkk..", ".kggggggggggggggk.", ".kwwwwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwkwwk.", ".kggggggggggggggk.", ".kggggggggggggggk.", ".kkkkkkkkkkkkkkkk.",
    "..kkwwwwwwwwwwkk..", "....kwwwwwwwwk....", "....kkkkkkkkkk....", "..................",
};

QColor glyphColor(char c) {
    switch (c) {
        case 'k':
            return Qt::black;
        case 'w':
            return Qt::white;
        case 'g':
            return QColor(128, 128, 128);
        default:
            return Qt::transparent;
    }
}

constexpr QSize kCollatedSize(74, 53);
constexpr QPoint kCollatedAt(8, 0);
constexpr QSize kUncollatedSize(92, 40);
constexpr QPoint kUncollatedAt(0, 8);
constexpr QSize kSheetSize(18, 24);

// One sheet with its page number and a turned corner.
void drawSheet(QPainter& p, QPoint at, int number) {
    const QRect sheet(at, kSheetSize);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
    p.drawText(sheet, Qt::AlignCenter, QString::number(number));
}

// Sheets of one stack overlap down and to the right; the first page lies on top.
void drawStack(QPainter& p, QPoint at, const std::vector<int>& numbers, QPoint step) {
    for (int i = static_cast<int>(numbers.size()) - 1; i >= 0; --i)
        drawSheet(p, at + step * i, numbers[static_cast<std::size_t>(i)]);
}

void drawCollated(QPainter& p) {
    const QPoint step(7, 7);
    drawStack(p, kCollatedAt, {1, 2, 3}, step);
    drawStack(p, kCollatedAt + QPoint(kCollatedSize.width() - kSheetSize.width() - 2 * step.x(), 0),
              {1, 2, 3}, step);
}

void drawUncollated(QPainter& p) {
    const QPoint step(6, 6);
    for (int pair = 0; pair < 3; ++pair) {
        const int n = pair + 1;
        drawStack(p, kUncollatedAt + QPoint(pair * 34, 4), {n, n}, step);
    }
}

}  // namespace

QPixmap printerGlyph() {
    QImage image(kPrinterGlyphWidth, kPrinterGlyphHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kPrinterGlyphHeight; ++y)
        for (int x = 0; x < kPrinterGlyphWidth; ++x)
            image.setPixelColor(x, y, glyphColor(kPrinterGlyphRows[static_cast<std::size_t>(y)][x]));
    return QPixmap::fromImage(image);
}

void PrinterItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QRect r = option.rect;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    painter->drawPixmap(r.left() + 2, r.top() + (r.height() - kPrinterGlyphHeight) / 2, printerGlyph());
    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    painter->drawText(QRect(r.left() + 24, r.top() + 1, r.width() - 24, r.height() - 1),
                      Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
}

QSize PrinterItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), kPrinterGlyphHeight + 2));
    size.setWidth(size.width() + 24);
    return size;
}

CollatePicture::CollatePicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kUncollatedSize.width(), kCollatedSize.height());
}

void CollatePicture::setCollated(bool collated) {
    if (collated_ == collated) return;
    collated_ = collated;
    update();
}

void CollatePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    if (collated_)
        drawCollated(p);
    else
        drawUncollated(p);
}

}  // namespace gui::preview

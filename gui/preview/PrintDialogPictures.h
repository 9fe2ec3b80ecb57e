// The print dialog's pictures: the printer glyph beside each printer name, and the collated /
// uncollated sheets shown under the copies.
#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>
#include <QWidget>

namespace gui::preview {

// 18 x 16, transparent background.
inline constexpr int kPrinterGlyphWidth = 18;
inline constexpr int kPrinterGlyphHeight = 16;
QPixmap printerGlyph();

// Draws printer list items: the item's background, the glyph at left + 2, the name at
// left + 24, top + 1.
class PrinterItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The collate picture: two sets of sheets 1-2-3 when collating (74 x 53 at 8, 0), otherwise
// the sheets in pairs 1-1, 2-2, 3-3 (92 x 40 at 0, 8), on the button face.
class CollatePicture final : public QWidget {
public:
    explicit CollatePicture(QWidget* parent = nullptr);
    void setCollated(bool collated);
    bool collated() const { return collated_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool collated_ = true;
};

}  // namespace gui::preview

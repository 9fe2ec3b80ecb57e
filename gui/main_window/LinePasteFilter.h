// Watches a single-line edit for text with line breaks arriving by paste (keys, the context
// menu, the middle button) or by drop: a line edit would squeeze the lines into one text, cut
// at its maximum length. Such text is handed over whole through linesPasted instead; text
// without line breaks reaches the edit as usual.
#pragma once

#include <QObject>
#include <QString>

class QContextMenuEvent;
class QLineEdit;

namespace gui::main_window {

// Whether the text holds a line break (LF or CR): several codes rather than one.
bool hasLineBreak(const QString& text);

class LinePasteFilter : public QObject {
    Q_OBJECT
public:
    explicit LinePasteFilter(QLineEdit* edit);

signals:
    void linesPasted(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // True when the text had line breaks and was handed over.
    bool takeLines(const QString& text);
    void showContextMenu(QContextMenuEvent* e);

    QLineEdit* edit_;
};

}  // namespace gui::main_window

#include "gui/preview/PreviewFileDialogs.h"

#include <QFileDialog>

namespace gui::preview {

namespace {

class QtFileDialogs : public PreviewFileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    }
    QString saveFileName(QWidget* parent, const QStringList& filters, QString& chosenFilter) override {
        chosenFilter = filters.value(0);
        return QFileDialog::getSaveFileName(parent, QString(), QString(), filters.join(QStringLiteral(";;")),
                                            &chosenFilter, QFileDialog::DontUseNativeDialog);
    }
};

}  // namespace

PreviewFileDialogs& platformFileDialogs() {
    static QtFileDialogs dialogs;
    return dialogs;
}

}  // namespace gui::preview

// The open and save dialogs of the preview, behind an interface so that tests answer them.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace gui::preview {

class PreviewFileDialogs {
public:
    virtual ~PreviewFileDialogs() = default;
    // The chosen file, or "" when the operator cancels.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // The chosen file and the filter it was chosen under; "" when the operator cancels.
    virtual QString saveFileName(QWidget* parent, const QStringList& filters, QString& chosenFilter) = 0;
};

// Qt's file dialogs.
PreviewFileDialogs& platformFileDialogs();

}  // namespace gui::preview

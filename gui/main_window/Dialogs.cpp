#include "gui/main_window/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace gui::main_window {

void MessageBoxDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText("OK");
    box.exec();
}

bool MessageBoxDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kBoxTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText("&Sì");
    box.button(QMessageBox::No)->setText("&No");
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

FailedSaveChoice MessageBoxDialogs::failedSave(QWidget* parent, const QString& failure, const QString& note,
                                               bool offerKeeping) {
    QMessageBox box(QMessageBox::Warning, "Quirelle - cf0.txt non salvato", failure, QMessageBox::NoButton,
                    parent);
    const QString question = offerKeeping
                                 ? "Riprovare, conservare i codici nuovi negli appunti o in un altro "
                                   "file, oppure uscire senza salvarli?"
                                 : "Riprovare, oppure uscire senza salvare?";
    box.setInformativeText(note.isEmpty() ? question : note + "\n\n" + question);
    // Each button has its Alt key; Tab moves between them, Escape stays in the program.
    const std::pair<FailedSaveChoice, QAbstractButton*> buttons[] = {
        {FailedSaveChoice::Retry, box.addButton("&Riprova", QMessageBox::AcceptRole)},
        {FailedSaveChoice::CopyToClipboard,
         offerKeeping ? box.addButton("&Copia negli appunti", QMessageBox::ActionRole) : nullptr},
        {FailedSaveChoice::SaveToFile,
         offerKeeping ? box.addButton("Salva in un &file...", QMessageBox::ActionRole) : nullptr},
        {FailedSaveChoice::LeaveWithoutSaving,
         box.addButton("&Esci senza salvare", QMessageBox::DestructiveRole)},
        {FailedSaveChoice::Stay, box.addButton("&Annulla", QMessageBox::RejectRole)},
    };
    box.setDefaultButton(static_cast<QPushButton*>(buttons[0].second));
    box.setEscapeButton(buttons[4].second);
    box.exec();
    for (const auto& [choice, button] : buttons)
        if (button && box.clickedButton() == button) return choice;
    return FailedSaveChoice::Stay;
}

QString MessageBoxDialogs::unsavedCodesFile(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, "Salva i codici non salvati",
                                        QDir::home().filePath("codici-non-salvati.txt"), "Testo (*.txt)",
                                        nullptr, QFileDialog::DontUseNativeDialog);
}

}  // namespace gui::main_window

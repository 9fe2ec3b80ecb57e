#include "gui/main_window/MainWindowAccessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "gui/main_window/DataGrid.h"
#include "gui/main_window/DataNavigator.h"
#include "gui/main_window/MainWindow.h"
#include "gui/main_window/RadioGroup.h"
#include "gui/main_window/YearBox.h"
#include "gui/widgets/FlatButtons.h"
#include "gui/widgets/FlatEdit.h"

namespace gui::main_window {

namespace {

struct Description {
    QWidget* control;
    const char* name;  // empty: the caption or the label's text names it
    const char* description;
};

// The window is a plain widget, which screen readers would announce as an anonymous filler.
QAccessibleInterface* mainWindowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void describeForAssistiveTechnology(MainWindow& w) {
    static const bool installed = (QAccessible::installFactory(mainWindowInterface), true);
    (void)installed;

    // The captions above the edits name them.
    w.fiscalEditLabel->setBuddy(w.fiscalEdit);
    w.inMemoryLabel->setBuddy(w.inMemoryEdit);
    w.searchLabel->setBuddy(w.searchEdit);
    w.monthLabel->setBuddy(w.monthBox);
    w.yearLabel->setBuddy(w.yearBox);

    const Description table[] = {
        {w.fiscalEdit, "", "Codice fiscale da controllare e salvare"},
        {w.saveButton, "", "Salva il codice fiscale nell'elenco dei codici in memoria"},
        {w.inMemoryEdit, "", "L'ultimo codice controllato o copiato, anche negli appunti"},
        {w.insertInMemoryButton, "", "Inserisci il codice di Ora in memoria nella lista di stampa"},
        {w.fiscalGrid, "Codici fiscali in memoria",
         "Invio o Ctrl+C copia il codice in Ora in memoria e negli appunti; Canc lo elimina"},
        {w.fiscalNavigator, "Scorri i codici fiscali", ""},
        {w.searchEdit, "", "Cerca tra i codici fiscali in memoria"},
        {w.compactButton, "Diminuisci dimensione finestra", ""},
        {w.fullHeightButton, "Misura finestra standard", ""},
        {w.printFiscalButton, "", "Mette i codici fiscali in memoria nella lista di stampa"},
        {w.exitButton, "", "Salva i codici fiscali ed esce dal programma"},
        {w.resetButton, "", "Svuota la lista di stampa"},
        {w.freeCodeEdit, "Barcode libero", "Un codice da aggiungere alla lista di stampa"},
        {w.insertFreeCodeButton, "", "Inserisci il barcode libero nella lista di stampa"},
        {w.exemptionsButton, "", "Mette i codici di ESENZIONI.txt nella lista di stampa"},
        {w.printListGroup, "Stampa della lista", ""},
        {w.printListGrid, "Lista di stampa",
         "Le etichette da stampare; si possono modificare. Canc elimina la riga, Freccia giù "
         "dopo l'ultima riga ne aggiunge una"},
        {w.printButton, "", "Prepara i fogli di etichette della lista di stampa e li mostra in anteprima"},
        {w.oxygenButton, "", "Mette i codici di OXY.txt nella lista di stampa"},
        {w.seriesLengthGroup, "Quantità di codici", ""},
        {w.closingGroup, "Codice di chiusura", ""},
        {w.monthBox->lineEdit(), "Mese", ""},
        {w.calendarButton, "", "Mette i giorni del mese scelto nella lista di stampa"},
        {w.seriesButton, "", "Mette i codici delle ricette del mese scelto nella lista di stampa"},
    };
    for (const Description& d : table) {
        if (*d.name) d.control->setAccessibleName(QString::fromUtf8(d.name));
        if (*d.description) d.control->setAccessibleDescription(QString::fromUtf8(d.description));
    }
}

}  // namespace gui::main_window

// Form1, the main window: every control of the operator bound to the label application's
// state object. The window only moves texts between widgets and commands, shows messages
// and uses the clipboard; the commands themselves live in LabelApp.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "labels/LabelApp.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace gui::widgets {
class FlatButton;
class FlatEdit;
class FlatSpeedButton;
}  // namespace gui::widgets

namespace gui::main_window {

class DataGrid;
class DataNavigator;
class Dialogs;
class MemTableModel;
class RadioGroup;
class YearBox;

inline constexpr const char* kMainCaption = "Quirelle 2.51 - 21.05.2019 - Merzavin";
inline constexpr int kFormWidth = 1024;
inline constexpr int kFullHeight = 768;
inline constexpr int kCompactHeight = 278;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Prints the print list with the template of the report kind (prepare and show).
    using PrintHandler = std::function<void(labels::ReportKind, QWidget* parent)>;

    MainWindow(labels::LabelApp& app, Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setPrintHandler(PrintHandler h) { print_ = std::move(h); }

    // The window's height as the operator's commands set it (768 or 278).
    int formHeight() const { return formHeight_; }
    void setFormHeight(int h);

    // Start-up: place and size the window, load the lists, set month and year from today.
    void startUp();

    // Controls, public so that tests can drive the window as an operator would.
    QGroupBox *seriesGroup, *exemptionsGroup, *printListGroup, *oxygenGroup, *fiscalGroup, *freeCodesGroup;
    QLabel *inMemoryLabel, *fiscalEditLabel, *searchLabel, *monthLabel, *yearLabel;
    gui::widgets::FlatEdit *fiscalEdit, *inMemoryEdit, *searchEdit, *freeCodeEdit;
    gui::widgets::FlatButton *printButton, *exitButton, *seriesButton, *insertFreeCodeButton, *resetButton,
        *exemptionsButton, *oxygenButton, *saveButton, *printFiscalButton, *calendarButton,
        *insertInMemoryButton;
    gui::widgets::FlatSpeedButton *fullHeightButton, *compactButton;
    DataGrid *fiscalGrid, *printListGrid;
    DataNavigator* fiscalNavigator;
    RadioGroup *seriesLengthGroup, *closingGroup;
    QComboBox* monthBox;
    YearBox* yearBox;

protected:
    void mousePressEvent(QMouseEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildFiscalGroup();
    void buildFreeCodesGroup();
    void buildFileGroups();
    void buildPrintListGroup();
    void buildSeriesGroup();
    void setTabOrder();
    void connectHandlers();

    // Handlers of the controls, named for what they do.
    void onPrintClicked();
    void onSeriesClicked();
    void onCalendarClicked();
    void onInsertFreeCodeClicked();
    void onFreeCodeLinesPasted(const QString& text);
    void onInsertInMemoryClicked();
    void onExemptionsClicked();
    void onResetClicked();
    void onOxygenClicked();
    void onSaveClicked();
    void onPrintFiscalClicked();
    void onExitClicked();
    bool saveOrLetGo();
    QString trySave();
    QString keepCodesInFile(const std::vector<std::string>& codes, const QString& file);
    void onFiscalEditFocusChanged();
    void onFiscalCodeChosen();
    void onCompactClicked() { setFormHeight(kCompactHeight); }
    void onFullHeightClicked() { setFormHeight(kFullHeight); }
    void onBackgroundClicked();

    // Runs a command; an error it raises is shown in a message box and ends the command.
    void run(const std::function<void()>& command);
    void copyToClipboardAndShow(const QString& text);
    labels::MonthIndex selectedMonth() const;

    labels::LabelApp& app_;
    Dialogs& dialogs_;
    PrintHandler print_;
    MemTableModel* printListModel_ = nullptr;
    MemTableModel* fiscalModel_ = nullptr;
    int formHeight_ = kFullHeight;
    bool closingSaved_ = false;
    bool closing_ = false;  // the window is being closed: no more checks or boxes
};

}  // namespace gui::main_window

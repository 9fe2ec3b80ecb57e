// Form1, the main window: every control of the operator bound to the label application's
// state object. The window only moves texts between widgets and commands, shows messages
// and uses the clipboard; the commands themselves live in LabelApp.
#pragma once

#include <QWidget>
#include <functional>

#include "labels/LabelApp.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace widgets {
class TFlatButton;
class TFlatEdit;
class TFlatSpeedButton;
}  // namespace widgets

namespace app {

class DataGrid;
class DataNavigator;
class Dialogs;
class MemTableModel;
class RadioGroup;

inline constexpr const char* kMainCaption = "Quirelle 2.51 - 21.05.2019 - Merzavin";
inline constexpr int kFormWidth = 1024;
inline constexpr int kFullHeight = 768;
inline constexpr int kCompactHeight = 278;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Prints the print list with the template of the report kind (prepare and show).
    using PrintHandler = std::function<void(ReportKind, QWidget* parent)>;

    TForm1(LabelApp& app, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    void setPrintHandler(PrintHandler h) { print_ = std::move(h); }

    // The window's height as the operator's commands set it (768 or 278).
    int formHeight() const { return formHeight_; }
    void setFormHeight(int h);

    // Start-up: place and size the window, load the lists, set month and year from today.
    void FormActivate();

    // Controls, public so that tests can drive the window as an operator would.
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5, *GroupBox6;
    QLabel *Label2, *Label4, *Label5;
    widgets::TFlatEdit *FlatEdit1, *FlatEdit2, *FlatEdit3, *FlatEdit4;
    widgets::TFlatButton *FlatButton1, *FlatButton2, *FlatButton3, *FlatButton4, *FlatButton5,
        *FlatButton6, *FlatButton7, *FlatButton8, *FlatButton9, *FlatButton10, *FlatButton11;
    widgets::TFlatSpeedButton *FlatSpeedButton1, *FlatSpeedButton2;
    DataGrid *DBGrid1, *DBGrid2;
    DataNavigator* DBNavigator1;
    RadioGroup *RadioGroup1, *RadioGroup2;
    QComboBox* ComboBox1;
    QSpinBox* SpinEdit1;

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

    // Handlers, named after the controls they were first made for.
    void FlatButton1Click();
    void Button1Click();
    void FlatButton10Click();
    void Button3Click();
    void FlatButton11Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button2Click();
    void FlatEdit1Exit();
    void DBGrid1DblClick();
    void BitBtn1Click() { setFormHeight(kCompactHeight); }
    void BitBtn2Click() { setFormHeight(kFullHeight); }
    void FormClick();

    // Runs a command; an error it raises is shown in a message box and ends the command.
    void run(const std::function<void()>& command);
    void copyToClipboardAndShow(const QString& text);
    MonthIndex selectedMonth() const;

    LabelApp& app_;
    Dialogs& dialogs_;
    PrintHandler print_;
    MemTableModel* printListModel_ = nullptr;
    MemTableModel* fiscalModel_ = nullptr;
    int formHeight_ = kFullHeight;
    bool closingSaved_ = false;
};

}  // namespace app

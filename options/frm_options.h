#pragma once

#include <QDialog>
#include <QStyle>
#include <memory>

#include "app/logic/app_settings.h"

class Form1;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The options dialog: the four preferences of AppSettings, created for each opening and shown
// modally over the main window, whose timer keeps ticking meanwhile.
class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(Form1& owner);
    ~frmOptions() override;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    QCheckBox* Check_msgonsync;
    QCheckBox* Check_synconstart;
    QCheckBox* Check_Warnton;
    QLineEdit* Txt_WarnTonSek;
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  private:
    QCheckBox* checkBox(const QString& text, double left, double top, double width);
    QPushButton* button(const QString& text, double left);
    void setTwipsGeometry(QWidget* control, double left, double top, double width, double height);

    Form1& m_owner;
    std::unique_ptr<QStyle> m_buttonStyle; // drawing cmdOK and cmdCancel
    AppSettingsRecord m_shown;             // the record as the dialog opened with it
};

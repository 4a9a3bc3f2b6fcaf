#pragma once

#include <QDialog>
#include <QStyle>
#include <memory>

#include "options/frm_options.h"

class Form1Window;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The options dialog on Qt, created for each opening and shown modally over the main window,
// whose timer keeps ticking meanwhile. Its buttons call the engine's handlers.
class OptionsDialog : public QDialog, public OptionsView {
    Q_OBJECT
  public:
    OptionsDialog(Form1Window& owner, frmOptions& handlers);
    ~OptionsDialog() override;

    void setValue(OptionsCheck box, CheckState state) override;
    CheckState value(OptionsCheck box) const override;
    void setWarnTonSekText(const std::string& text) override;
    std::string warnTonSekText() const override;
    CursorPosition cursorPosition() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    void moveDialog(double left, double top) override;
    void messageBox(const std::string& text, MessageIcon icon) override;
    void unload() override { accept(); }

    QCheckBox* Check_msgonsync;
    QCheckBox* Check_synconstart;
    QCheckBox* Check_Warnton;
    QLineEdit* Txt_WarnTonSek;
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  private:
    QCheckBox* checkBox(const QString& text, double left, double top, double width);
    QCheckBox* box(OptionsCheck check) const;
    QPushButton* button(const QString& text, double left);
    void setTwipsGeometry(QWidget* control, double left, double top, double width, double height);

    Form1Window& m_owner;
    frmOptions& m_handlers;
    std::unique_ptr<QStyle> m_buttonStyle; // drawing cmdOK and cmdCancel
};

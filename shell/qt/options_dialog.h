#pragma once

#include <QDialog>
#include <QStyle>
#include <map>
#include <memory>

#include "options/frm_options.h"

class Form1Window;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The options dialog on Qt, made from the engine's design for each opening and shown modally over
// the main window, whose timer keeps ticking meanwhile. Its clicks and keys go to the engine.
class OptionsDialog : public QDialog, public OptionsView {
    Q_OBJECT
  public:
    OptionsDialog(Form1Window& owner, frmOptions& handlers);
    ~OptionsDialog() override;

    QWidget* widget(OptionsControl control) const { return m_controls.at(control); }
    QCheckBox* checkBox(OptionsControl box) const;
    QLineEdit* Txt_WarnTonSek() const;

    void setValue(OptionsControl box, CheckState state) override;
    void setWarnTonSekText(const std::string& text) override;
    std::string warnTonSekText() const override;
    CursorPosition cursorPosition() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    void moveDialog(double left, double top) override;
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override;
    void unload() override { accept(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Form1Window& m_owner;
    frmOptions& m_handlers;
    std::unique_ptr<QStyle> m_buttonStyle; // drawing cmdOK and cmdCancel
    std::map<OptionsControl, QWidget*> m_controls;
};

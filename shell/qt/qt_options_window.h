#pragma once

#include <QDialog>
#include <QStyle>
#include <map>
#include <memory>

#include "shared/options_view.h"

class QtForm1Window;
class QCheckBox;
class QLineEdit;

// The options dialog on Qt, made from the engine's design for each opening and shown modally over
// the main window, whose timer keeps ticking meanwhile. Its clicks and keys go to the engine.
class QtOptionsWindow : public QDialog, public OptionsView {
    Q_OBJECT
  public:
    explicit QtOptionsWindow(QtForm1Window& owner);
    ~QtOptionsWindow() override;

    QWidget* widget(OptionsControl control) const { return m_controls.at(control); }
    QCheckBox* checkBox(OptionsControl box) const;
    QLineEdit* Txt_WarnTonSek() const; // NOLINT(readability-identifier-naming)

    void setValue(OptionsControl box, CheckState state) override;
    void setWarnTonSekText(const std::string& text) override;
    std::string warnTonSekText() const override;
    CursorPosition cursorPosition() const override;
    TwipsSize twipsPerPixel() const override;
    void moveDialog(double left, double top) override;
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override;
    void setFocus(OptionsControl control) override { widget(control)->setFocus(); }
    std::optional<OptionsControl> focusedControl() const override;
    void showModal(WindowController<OptionsControl>& controller) override;
    void unload() override { accept(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QtForm1Window& m_owner;
    WindowController<OptionsControl>* m_controller = nullptr; // while it is shown
    std::unique_ptr<QStyle> m_buttonStyle;                    // drawing cmdOK and cmdCancel
    std::map<OptionsControl, QWidget*> m_controls;
};

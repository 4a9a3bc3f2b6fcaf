#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <map>

#include "app/form1.h"
#include "shell/qt/normal_geometry.h"
#include "shell/qt/qt_label.h"
#include "shell/qt/twips.h"
#include "shell/qt/window_accessible.h"

// The main window on Qt, made from the engine's design of Form1 and driven by it.
class QtForm1Window : public QWidget, public Form1View {
    Q_OBJECT
  public:
    QtForm1Window(Platform& platform, SharedState& shared);
    ~QtForm1Window() override;

    const Twips& twips() const { return m_twips; }
    QWidget* widget(Control control) const { return m_controls.at(control); }
    QtLabel* label(Control control) const;

    void setCaption(const std::string& caption) override;
    void setTickingCaption(const std::string& caption) override;
    // The title a screen reader reads: the caption, though not one that ticks.
    const QString& spokenCaption() const { return m_spokenCaption; }
    void setCaption(Control label, const std::string& caption) override;
    void setControlVisible(Control control, bool visible) override;
    void setFontSize(Control label, double points) override;
    void setColour(Control control, Colour colour) override;
    void setUnderline(Control label, bool underline) override;
    void showFocusCue(std::optional<Control> command) override;
    // No Linux desktop has a setting to show focus cues always.
    bool focusCuesAlways() const override { return false; }
    TwipsSize textExtent(Control label) const override;
    void placeControl(Control control, const TwipsRect& rect) override;
    void announce(const std::string& text) override;
    void startTimer(int ms) override { Timer1->start(ms); }
    void stopTimer() override { Timer1->stop(); }
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override;
    void setFocus(Control control) override { widget(control)->setFocus(); }
    std::optional<Control> focusedControl() const override;
    TwipsSize twipsPerPixel() const override { return {m_twips.perPixelX, m_twips.perPixelY}; }
    std::unique_ptr<OptionsView> newOptionsView() override;
    // Zero until the window exists: asking must not create it before the placement is restored,
    // since Qt's X11 backend then opens a window set to minimised as a normal one.
    std::uint32_t handle() const override { return static_cast<std::uint32_t>(internalWinId()); }
    TwipsRect normalRect() const override;
    void placeNormal(const TwipsRect& rect) override;
    WindowState placementState() const override;
    void setPlacementState(WindowState state) override;
    void showWindow() override { show(); }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab, from whichever control has the focus: the engine moves it.
    bool focusNextPrevChild(bool next) override;

  private:
    Twips m_twips;
    QString m_caption, m_spokenCaption;
    bool m_iconGiven = false;
    std::map<Control, QWidget*> m_controls;
    QtNotice* m_notice;

  public:
    // Made once the controls are there: the controller starts Timer1 as it is built.
    QTimer* Timer1; // NOLINT(readability-identifier-naming)
    NormalGeometry* normalGeometry;
    Form1 form1;
};

#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "app/form1.h"
#include "shell/qt/normal_geometry.h"
#include "shell/qt/shape.h"
#include "shell/qt/vb_label.h"
#include "shell/qt/vb_timer.h"

// The main window on Qt: a small fixed panel with the countdown, a status line and four
// commands, laid out in twips and driven by the engine's Form1.
class Form1Window : public QWidget, public Form1View {
    Q_OBJECT
  public:
    Form1Window(Platform& platform, SharedState& shared);

    // Positions in twips, converted with the screen's logical resolution.
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double twipsPerPixelX() const { return m_twipsPerPixelX; }
    double twipsPerPixelY() const { return m_twipsPerPixelY; }
    QWidget* widget(Control control) const { return m_controls[static_cast<std::size_t>(control)]; }
    VbLabel* label(Control control) const;

    void setCaption(const std::string& caption) override;
    void setCaption(Control label, const std::string& caption) override;
    std::string caption(Control label) const override;
    void setControlVisible(Control control, bool visible) override;
    void setFontSize(Control label, double points) override;
    void setColour(Control control, Colour colour) override;
    void setUnderline(Control label, bool underline) override;
    TwipsRect controlRect(Control control) const override;
    void moveControl(Control control, double left, double top) override;
    void setTimerEnabled(bool enabled) override { Timer1->setEnabled(enabled); }
    void setTimerInterval(int ms) override { Timer1->setPeriod(ms); }
    void messageBox(const std::string& text, MessageIcon icon) override;
    void showOptions(frmOptions& handlers) override;
    // Zero until the window exists: asking must not create it before the placement is restored,
    // since Qt's X11 backend then opens a window set to minimised as a normal one.
    std::uint32_t handle() const override { return static_cast<std::uint32_t>(internalWinId()); }
    TwipsRect normalRect() const override;
    void placeNormal(const TwipsRect& rect) override;
    int placementState() const override;
    void setPlacementState(int state) override;
    void registerHelpFile(const std::string& fileName) override;
    void showWindow() override { show(); }

    Form1 form1;
    VbTimer* Timer1;
    NormalGeometry* normalGeometry;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void setTwipsGeometry(QWidget* control, double left, double top, double width, double height);
    VbLabel* addLabel(Control control, const QString& family, double pointSize, VbLabel::Fit fit);
    VbLabel* commandLabel(Control control, const QString& text, double left, double top,
                          double width, const QString& toolTip);

    double m_twipsPerPixelX = 15;
    double m_twipsPerPixelY = 15;
    QString m_caption;
    std::array<QWidget*, 11> m_controls{};
};

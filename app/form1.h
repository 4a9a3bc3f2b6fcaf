#pragma once

#include <QString>
#include <QWidget>

#include "app/normal_geometry.h"
#include "app/shape.h"
#include "app/shared_state.h"
#include "app/vb_label.h"
#include "app/vb_timer.h"
#include "clock/clock_sync.h"
#include "platform/platform.h"

// The main window: a small fixed panel with the countdown, a status line and four commands.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1(Platform& platform, SharedState& shared);

    void Form1init();
    void Update_Label();
    // Captures the auction and refreshes the display, as "Artikel übernehmen" does.
    void Refresh();

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // Zero until the window exists: asking must not create it before the placement is restored,
    // since Qt's X11 backend then opens a window set to minimised as a normal one.
    std::uint32_t handle() const { return static_cast<std::uint32_t>(internalWinId()); }

    // Positions in twips, converted with the screen's logical resolution.
    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    double twipsPerPixelX() const { return m_twipsPerPixelX; }
    double twipsPerPixelY() const { return m_twipsPerPixelY; }
    void setTwipsGeometry(QWidget* control, double left, double top, double width, double height);
    // Centres a label vertically on Shape2; its left edge stays.
    void centreOnShape2(QWidget* label);

    Platform& platform;
    SharedState& shared;
    // SyncClock and Inet1_StateChanged with the state they share.
    ClockSync clockSync;

    // Front to back.
    VbLabel* Lbl_GetTime;
    VbLabel* LabelZeit;
    VbLabel* Lbl_GetArtikel;
    VbLabel* Lbl_Optionen;
    VbLabel* Lbl_GoItem;
    VbLabel* Label2;
    VbLabel* Label1;
    Shape* Shape1;
    Shape* Shape3;
    VbLabel* Lbl_NoAuction;
    Shape* Shape2;
    VbTimer* Timer1;
    NormalGeometry* normalGeometry;

    void Timer1_Timer();
    void Form_Unload();
    // True once the window has been closed; the program then ends.
    bool closed() const { return m_closed; }
    void Form_MouseMove();
    void Lbl_GetArtikel_Click();
    void Lbl_GetTime_Click();
    void Lbl_Optionen_Click();
    void Lbl_GoItem_Click();
    void Lbl_GetTime_MouseMove() { hover(Lbl_GetTime); }
    void Lbl_GetArtikel_MouseMove() { hover(Lbl_GetArtikel); }
    void Lbl_Optionen_MouseMove() { hover(Lbl_Optionen); }
    void Lbl_GoItem_MouseMove();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    VbLabel* commandLabel(const QString& text, double left, double top, double width,
                          const QString& toolTip);
    static void hover(VbLabel* label);
    static void normalLook(VbLabel* label);
    void showSyncMessage(const QString& text);

    double m_twipsPerPixelX = 15;
    double m_twipsPerPixelY = 15;
    QString m_caption;
    bool m_closed = false;
};

inline const QColor CommandBlue(0, 0, 255);
inline const QColor CommandRed(255, 0, 0);

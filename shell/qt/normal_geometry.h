#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// The normal (neither minimised nor maximised) rectangle of a top-level window's client area.
// X11 has no call that reports it while the window is minimised or maximised, so it is kept up
// to date from the window's own move, resize and state events.
class NormalGeometry : public QObject {
  public:
    explicit NormalGeometry(QWidget& window);

    QRect rect() const;
    // Places the client area at the rectangle in one step. A fixed-size window takes the size as
    // its new fixed size.
    void place(const QRect& rect);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool isNormal() const;

    QWidget& m_window;
    QRect m_normal;
};

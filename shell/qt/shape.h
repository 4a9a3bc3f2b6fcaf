#pragma once

#include <QWidget>

// A filled box drawn on the window's surface; the mouse passes through it to the window.
class Shape : public QWidget {
  public:
    explicit Shape(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAutoFillBackground(true);
    }
    void setFillColor(const QColor& colour) {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
    }
};

#pragma once

#include <QTimer>

// A timer switched by an enabled flag: switching it on while it runs keeps its phase, and a
// period set again unchanged does not restart it.
class VbTimer : public QTimer {
  public:
    explicit VbTimer(QObject* parent) : QTimer(parent) { setTimerType(Qt::PreciseTimer); }
    void setEnabled(bool on) {
        if (on && !isActive())
            start();
        else if (!on)
            stop();
    }
    bool enabled() const { return isActive(); }
    void setPeriod(int ms) {
        if (interval() != ms)
            setInterval(ms);
    }
};

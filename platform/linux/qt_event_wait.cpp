#include "platform/linux/qt_event_wait.h"

#include <QCoreApplication>
#include <QEvent>

QtEventWait::QtEventWait() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool QtEventWait::serveOnce() {
    if (!m_ending)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !m_ending;
}

bool QtEventWait::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit)
        m_ending = true;
    return false;
}

int QtEventWait::run() {
    return QCoreApplication::exec();
}

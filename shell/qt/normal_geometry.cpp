#include "shell/qt/normal_geometry.h"

#include <QEvent>
#include <QWidget>

NormalGeometry::NormalGeometry(QWidget& window)
    : QObject(&window), m_window(window), m_normal(window.geometry()) {
    window.installEventFilter(this);
}

bool NormalGeometry::isNormal() const {
    return !(m_window.windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QRect NormalGeometry::rect() const {
    return isNormal() ? m_window.geometry() : m_normal;
}

void NormalGeometry::place(const QRect& rect) {
    if (m_window.minimumSize() == m_window.maximumSize())
        m_window.setFixedSize(rect.size());
    // The client's position, never the frame's: Qt places the frame of a window that has no
    // native window yet but the client of one that has, and the frame's size is unknown until
    // the window manager has framed the window.
    m_window.setGeometry(rect);
    m_normal = rect;
}

// A window manager reports a state change and the geometry that goes with it in either order;
// taking the geometry on both keeps whichever arrives last while the window is normal.
bool NormalGeometry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && isNormal()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            m_normal = m_window.geometry();
            break;
        default:
            break;
        }
    }
    return false;
}

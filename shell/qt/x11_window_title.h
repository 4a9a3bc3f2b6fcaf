#pragma once

#include <QWidget>

// Qt's X11 backend shows the application's name instead of an empty window title. This writes
// the empty title over it, on the created window; elsewhere it does nothing.
void showEmptyTitle(QWidget& window);

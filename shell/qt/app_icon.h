#pragma once

#include <QIcon>

// The program's stopwatch icon, drawn at the sizes a desktop asks for.
QIcon appIcon();

#pragma once

#include <QString>

// The family to ask Qt for in place of one of the design's Windows fonts: the font itself where
// it is installed, else the metric-compatible family that stands in for it. Naming an installed
// family spares fontconfig a search through its fallbacks, a good part of every start.
QString designFamily(const QString& windowsFamily);

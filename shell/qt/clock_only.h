#pragma once

// The "-time" mode on a QCoreApplication: no display needed, nothing printed.
int runClockOnlyOnQt(int argc, char** argv);

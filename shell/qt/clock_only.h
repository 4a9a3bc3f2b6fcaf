#pragma once

// The "-time" mode on a QCoreApplication: no display needed, nothing printed.
int RunClockOnlyOnQt(int argc, char** argv);

#pragma once

// The "-time" mode on a QCoreApplication: no display needed; standard output stays empty, and
// standard error gets one line when the clock was not set.
int runClockOnlyOnQt(int argc, char** argv);

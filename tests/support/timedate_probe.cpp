// Sets the time of day and then the date through LocalClock, with timedated on the given bus.
// Usage: timedate_probe BUS-ADDRESS HH:MM:SS YYYY-MM-DD
#include <QCoreApplication>
#include <cstdio>

#include "platform/local_clock.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int h = 0, m = 0, s = 0, year = 0, month = 0, day = 0;
    if (argc != 4 || std::sscanf(argv[2], "%d:%d:%d", &h, &m, &s) != 3 ||
        std::sscanf(argv[3], "%d-%d-%d", &year, &month, &day) != 3)
        return 2;
    LocalClock clock(QString::fromLocal8Bit(argv[1]));
    clock.setTimeOfDay(h * 3600 + m * 60 + s);
    clock.setDate(year, month, day);
    return 0;
}

#include "tests/fakes/fake_platform.h"

void FakeClock::setTimeOfDay(std::int64_t secondsOfDay) {
    timesOfDaySet.push_back(secondsOfDay);
    current.seconds = current.seconds - timeOfDay(current) + secondsOfDay;
}

void FakeClock::setDate(int year, int month, int day) {
    datesSet.push_back(CivilTime{year, month, day, 0, 0, 0});
    CivilTime c = toCivil(current);
    c.year = year, c.month = month, c.day = day;
    current = fromCivil(c);
}

QString MemoryStore::GetSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& defaultValue) {
    return values.value(appName + "/" + section + "/" + key, defaultValue);
}

void MemoryStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                              const QString& text) {
    values.insert(appName + "/" + section + "/" + key, text);
    writes << key;
}

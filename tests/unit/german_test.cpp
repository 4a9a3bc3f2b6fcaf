#include <gtest/gtest.h>

#include "base/german_decimal.h"
#include "base/german_format.h"
#include "base/utf.h"
#include "options/warn_seconds.h"
#include "shared/app_settings.h"

namespace {

TEST(German, NumbersAsAUserWritesThem) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"\t+5", 5},   {"1.000", 1000},    {",5", 0.5},  {"1,5e2", 150}, {"1E-1", 0.1},
        {".5", {}},    {"1.", {}},         {"1..0", {}}, {"1,5 s", {}},  {"", {}},
        {"1e999", {}}, {"1234,5", 1234.5}, {"-15", -15}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseGermanNumber(text), value) << '"' << text << '"';
    // The placement's values are stored as such text, as the last two rows read them back.
    EXPECT_EQ(formatGermanDecimal(1234.5) + " " + formatGermanDecimal(-15), "1234,5 -15");
}

TEST(German, AlarmSecondsAndStoredPreferencesRoundHalfToEven) {
    const std::pair<const char*, std::optional<std::int16_t>> seconds[] = {
        {"2,5", 2}, {"3,5", 4},   {"0,4", 0},  {"32767,4", 32767},
        {"0", {}},  {"-0,4", {}}, {"abc", {}}, {"32767,5", {}}};
    for (const auto& [text, value] : seconds)
        EXPECT_EQ(parseWarnSeconds(text), value) << '"' << text << '"';
    EXPECT_EQ(preferenceFromText(" -2,5 ", 60), -2);
    EXPECT_EQ(preferenceFromText("abc", 60), 60);
}

TEST(German, DatesAndTimes) {
    const std::pair<const char*, const char*> read[] = {
        {"05.08.03 18:42:07", "05.08.2003 18:42:07"},
        {" 5.8.2003  8:05 ", "05.08.2003 08:05:00"},
        {"31.12.29 00:00:01", "31.12.2029 00:00:01"},
        {"01.01.30 23:59:59", "01.01.1930 23:59:59"},
        {"29.02.2004", "29.02.2004"},
        {"01.01.0100", "01.01.0100"}};
    for (const auto& [text, shown] : read) {
        const auto t = parseGermanDateTime(text, TimePart::Optional);
        ASSERT_TRUE(t) << text;
        EXPECT_EQ(formatGeneralDateTime(*t), shown) << text;
        EXPECT_EQ(parseGermanDateTime(text, TimePart::Required).has_value(),
                  std::string_view(shown).size() > 10);
    }
    for (const char* text :
         {"01.01.0099", "29.02.2003", "00.01.2003", "01.00.2003", "01.13.2003", "005.08.03",
          "05.08.003", "05-08-03", "05.08.03 24:00:00", "05.08.03 18:60:00", "05.08.03 18:42:60",
          "05.08.03 18:42:07x", "05.08.03x18:42", "05", "05.08", "05.08.03 18",
          "05.08.03 18:", "05.08.03 008:05", "01.01.20030"})
        EXPECT_FALSE(parseGermanDateTime(text, TimePart::Optional)) << text;
}

TEST(Utf8, CodePointsNeverBytes) {
    const std::pair<const char*, std::u32string> cases[] = {
        {"\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
         U"\u0080\u0800\U00010000\U0001F600\U0010FFFF"},
        {"\xC0\x80", U"\uFFFD\uFFFD"},
        {"\xE0\x80\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xBF\xBF", U"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xC3\x41\x80\xF8", U"\uFFFDA\uFFFD\uFFFD"},
        {"x\xC3", U"x\uFFFD"}};
    for (const auto& [bytes, text] : cases) {
        bool valid = false;
        EXPECT_EQ(decodeUtf8(bytes, &valid), text) << bytes;
        EXPECT_EQ(valid, text.find(U'\uFFFD') == std::u32string::npos) << bytes;
        EXPECT_EQ(valid ? encodeUtf8(text) : bytes, bytes); // and back
    }
    EXPECT_EQ(encodeUtf8(U"\x7F\xD800"), "\x7F\xEF\xBF\xBD");
    EXPECT_EQ(decodeLatin1("\xE4x"), U"äx");
}

} // namespace

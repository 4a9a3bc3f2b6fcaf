#include <gtest/gtest.h>

#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"

namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int16_t> expected;
};

TEST(GermanNumber, ConvertsLikeAGermanUserWritesIt) {
    const NumberCase cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"-5", -5},
        {"+7", 7},
        {"2,5", 2},
        {"3,5", 4},
        {"0,4", 0},
        {"-2,5", -2},
        {" 2,5 ", 2},
        {"1.000", 1000},
        {"32.767", 32767},
        {"1,5e1", 15},
        {"32767,4", 32767},
        {"32767,5", std::nullopt},
        {"-32768", -32768},
        {"-32769", std::nullopt},
        {"40000", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1.5", 15},
        {"1,2,3", std::nullopt},
        {"12abc", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {",5", 0},
        {"1e400", std::nullopt},
        {".5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseGermanInt16(c.text), c.expected) << '"' << c.text << '"';
}

struct DateCase {
    const char* text;
    TimePart time;
    const char* expected; // general form, or nullptr when it must not convert
};

TEST(GermanDateTime, ParsesAndWritesTheGeneralForm) {
    const DateCase cases[] = {
        {"05.08.03 18:42:07", TimePart::Optional, "05.08.2003 18:42:07"},
        {"31.01.04 23:59:59", TimePart::Optional, "31.01.2004 23:59:59"},
        {"06.07.03 00:00:00", TimePart::Optional, "06.07.2003"},
        {"01.01.29 12:00:00", TimePart::Optional, "01.01.2029 12:00:00"},
        {"01.01.30 12:00:00", TimePart::Optional, "01.01.1930 12:00:00"},
        {"   08.11.2004 14:05:33", TimePart::Required, "08.11.2004 14:05:33"},
        {"8.1.2004 4:05", TimePart::Required, "08.01.2004 04:05:00"},
        {"  08.11.2004 14:05:33 ", TimePart::Required, "08.11.2004 14:05:33"},
        {"29.02.04 10:00:00", TimePart::Optional, "29.02.2004 10:00:00"},
        {"05.08.03", TimePart::Optional, "05.08.2003"},
        {"05.08.03", TimePart::Required, nullptr},
        {"29.02.03 10:00:00", TimePart::Optional, nullptr},
        {"32.01.04 10:00:00", TimePart::Optional, nullptr},
        {"01.13.04 10:00:00", TimePart::Optional, nullptr},
        {"01.01.04 24:00:00", TimePart::Optional, nullptr},
        {"01.01.04 10:60:00", TimePart::Optional, nullptr},
        {"01.01.004 10:00:00", TimePart::Optional, nullptr},
        {"xx.08.03 18:42:07", TimePart::Optional, nullptr},
        {"05.08.03 18:42:07 MESZ", TimePart::Optional, nullptr},
        {"8.11.2004 14:05:3", TimePart::Required, "08.11.2004 14:05:03"},
        {"", TimePart::Optional, nullptr},
    };
    for (const auto& c : cases) {
        const auto parsed = parseGermanDateTime(c.text, c.time);
        if (!c.expected) {
            EXPECT_FALSE(parsed) << c.text;
            continue;
        }
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(formatGeneralDateTime(*parsed), c.expected) << c.text;
        EXPECT_FALSE(parsed->isZero());
    }
}

TEST(DateTimeValue, RoundTripsThroughCivilTime) {
    for (const CivilTime c :
         {CivilTime{1930, 1, 1, 0, 0, 0}, CivilTime{2003, 8, 5, 18, 42, 7},
          CivilTime{2029, 12, 31, 23, 59, 59}, CivilTime{1899, 12, 30, 0, 0, 1}})
        EXPECT_EQ(toCivil(fromCivil(c)), c);
    EXPECT_TRUE(fromCivil(CivilTime{}).isZero());
}

TEST(Utf8, CountsCharactersAndReplacesInvalidBytes) {
    bool valid = true;
    EXPECT_EQ(decodeUtf8("Öl \xF0\x9F\x98\x80", &valid), U"Öl 😀");
    EXPECT_TRUE(valid);
    EXPECT_EQ(decodeUtf8("a\xFF"
                         "b\xC3",
                         &valid),
              U"a\uFFFDb\uFFFD");
    EXPECT_FALSE(valid);
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80", &valid).size(), 3u);   // a lone surrogate is no character
    EXPECT_EQ(decodeUtf8("\xC0\xAF", &valid), U"\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(encodeUtf8(U"Öl 😀"), "Öl \xF0\x9F\x98\x80");
    EXPECT_EQ(decodeLatin1("\xE4"), U"ä");
}

} // namespace

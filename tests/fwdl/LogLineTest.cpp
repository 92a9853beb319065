#include "LogLine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

LogLineParts Parts() {
    SYSTEMTIME time{};
    time.wHour = 9;
    time.wMinute = 5;
    time.wSecond = 3;
    time.wMilliseconds = 7;
    return LogLineParts{0x1a2b, time, "TVCFWDL", "ERROR"};
}

TEST(LogLine, TimePrefixHasTwoBlanksAfterIt) {
    LogLine line(LogPrefix::Time, Parts(), "text\n");
    EXPECT_STREQ("09:05:03:007  text\n", line.Text());
}

TEST(LogLine, PrefixesComeInFixedOrder) {
    LogLine all(0x1E, Parts(), "text\n");
    EXPECT_STREQ("[T0x1a2b] 09:05:03:007  TVCFWDL: ERROR: text\n", all.Text());
    LogLine tokenAndType(LogPrefix::Type | LogPrefix::ModuleToken, Parts(), "x");
    EXPECT_STREQ("TVCFWDL: ERROR: x", tokenAndType.Text());
    LogLine none(0, Parts(), "plain");
    EXPECT_STREQ("plain", none.Text());
}

TEST(LogLine, LongLineIsCutToItsLimit) {
    std::string text(2000, 'x');
    LogLine line(0x1E, Parts(), text.c_str());
    EXPECT_EQ(LogLine::MaxLength, std::strlen(line.Text()));
    EXPECT_EQ(0, std::strncmp("[T0x1a2b] 09:05:03:007  TVCFWDL: ERROR: xxx", line.Text(), 43));
}

}  // namespace

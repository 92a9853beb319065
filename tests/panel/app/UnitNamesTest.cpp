// Unit names on the buttons, and the two unit loops bounded by time: a unit
// that is listed but does not answer ends the loop with the fallback.
#include "AvcUnit.h"
#include "SimBusTest.h"
#include "SimRequestLog.h"
#include "TimedRetry.h"
#include "UnitNameText.h"
#include "UnitQueries.h"

#include <cstring>

namespace {

// A clock that moves on by a fixed step each time it is read.
TimedRetry::Clock steppingClock(int64_t stepMs) {
    auto now = std::make_shared<int64_t>(0);
    return [now, stepMs] { return *now += stepMs; };
}

TEST(UnitNameText, ButtonsShowTheNameOrTheirNumber) {
    EXPECT_EQ(UnitNameText::buttonText(1, "Unit #"), "Unit 2");
    EXPECT_EQ(UnitNameText::buttonText(0, nullptr), "Unit 1") << "unreadable";
    EXPECT_EQ(UnitNameText::buttonText(3, "Studio"), "Studio");
    EXPECT_EQ(UnitNameText::buttonText(2, "Desk"), "Desk");
    EXPECT_EQ(UnitNameText::buttonText(2, ""), "");
    EXPECT_EQ(UnitNameText::buttonText(0, "unit #"), "unit #") << "the unnamed text is exact";

    const char latin[] = "Caf\xe9 1";
    EXPECT_EQ(UnitNameText::fromUnitBytes(latin), juce::String(L"Caf\u00e9 1"));
    char bytes[7];
    UnitNameText::toUnitBytes(juce::String(L"Caf\u00e9 1"), bytes);
    EXPECT_EQ(std::memcmp(bytes, latin, 7), 0) << "one byte per character both ways";
    UnitNameText::toUnitBytes("Desk", bytes);
    EXPECT_EQ(std::memcmp(bytes, "Desk\0\0\0", 7), 0);
    UnitNameText::toUnitBytes("Seventh", bytes);
    EXPECT_EQ(std::memcmp(bytes, "Sevent\0", 7), 0);
    UnitNameText::toUnitBytes(juce::String(L"A\u20acB"), bytes);
    EXPECT_EQ(std::memcmp(bytes, "A?B\0\0\0\0", 7), 0);
}

TEST(TimedRetry, TriesUntilSuccessOrTheBudgetIsSpent) {
    TimedRetry failing(100, steppingClock(10));
    EXPECT_FALSE(failing.run([] { return false; }));
    EXPECT_EQ(failing.attempts(), 10) << "start read at 10, then 20 .. 110";

    TimedRetry slow(100, steppingClock(1000));
    EXPECT_FALSE(slow.run([] { return false; }));
    EXPECT_EQ(slow.attempts(), 1) << "one attempt even past the budget";

    int calls = 0;
    TimedRetry third(100, steppingClock(10));
    EXPECT_TRUE(third.run([&] { return ++calls == 3; }));
    EXPECT_EQ(third.attempts(), 3);
}

class UnitQueriesTest : public SimBusTest {
protected:
    UnitQueriesTest() {
        setUnitKey(2, "Present", "1");
        setUnitKey(1, "Name", "Studio");
        model_.ConnectAtStart();
    }

    CDeviceModel model_;
    AvcUnit unit_{model_};
};

TEST_F(UnitQueriesTest, ButtonCaptionsComeFromTheUnits) {
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 0), "Studio");
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 1), "Unit 2") << "stored name \"Unit #\"";
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 2), "Unit 3") << "past the count";
    EXPECT_EQ(model_.SelectedUnit, 0u);
}

// A driver too old for the channel lists its units but opens none: every
// read fails, and the loops stop when their budget is spent.
TEST_F(UnitQueriesTest, AListedUnitThatCannotBeOpenedEndsBothLoops) {
    setDriverKey("Version", "2.9");
    SimRequestLog::start();
    int clockReads = 0;
    auto counting = [&clockReads] { return int64_t(++clockReads) * 20; };
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 1, counting), "Unit 2");
    EXPECT_EQ(clockReads, int(UnitQueries::kNameBudgetMs / 20) + 1);
    clockReads = 0;
    EXPECT_FALSE(UnitQueries::reselectFirstUnit(unit_, counting));
    EXPECT_EQ(clockReads, int(UnitQueries::kReselectBudgetMs / 20) + 1);
    for (const SimRequestLog::Entry& entry : SimRequestLog::take())
        EXPECT_NE(entry.code, 0x80883004u) << "no name command reached a unit";
    SimRequestLog::stop();

    setDriverKey("Version", "2.13");
    EXPECT_TRUE(UnitQueries::reselectFirstUnit(unit_));
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 0), "Studio");
}

TEST_F(UnitQueriesTest, AUnitThatTimesOutDoesNotCostTheNextUnitItsName) {
    setUnitKey(2, "IoDelayMs", "300");
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 1), "Unit 2") << "past the command's wait";
    EXPECT_EQ(UnitQueries::unitButtonText(unit_, 0), "Studio");
}

TEST_F(UnitQueriesTest, ReselectingStopsAtOnceWhenNoUnitIsLeft) {
    setUnitKey(1, "Present", "0");
    setUnitKey(2, "Present", "0");
    int clockReads = 0;
    EXPECT_FALSE(UnitQueries::reselectFirstUnit(unit_, [&clockReads] { return ++clockReads; }));
    EXPECT_EQ(clockReads, 1) << "one try, no retry";
}

}  // namespace

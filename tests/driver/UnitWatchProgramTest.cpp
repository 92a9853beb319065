#include "SimBusTest.h"

#include <sstream>
#include <vector>

namespace {

class UnitWatchProgramTest : public SimBusTest {
protected:
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    // True when the wanted lines appear in this order, other lines between them.
    static bool inOrder(const std::vector<std::string>& got, const std::vector<std::string>& want) {
        size_t next = 0;
        for (const std::string& line : got)
            if (next < want.size() && line == want[next])
                ++next;
        return next == want.size();
    }
};

TEST_F(UnitWatchProgramTest, ExplainsItselfAndRefusesBadOptions) {
    std::string out;
    EXPECT_EQ(run(std::string(UNITWATCH_PATH) + " --help", &out), 0);
    EXPECT_EQ(out.rfind("usage: unitwatch [--count N] [--seconds S] [--plain]\n", 0), 0u);
    EXPECT_EQ(run(std::string(UNITWATCH_PATH) + " --count", &out), 2);
    EXPECT_EQ(out.rfind("unitwatch: --count needs a number\n", 0), 0u);
    EXPECT_EQ(run(std::string(UNITWATCH_PATH) + " --colour", &out), 2);
}

TEST_F(UnitWatchProgramTest, ReportsAUnitUnpluggedAndPluggedBackWithTheBusTool) {
    setUnitKey(1, "Levels", "0x7FFFFFFF,0x40000000,0x20000000,0x10000000,1,2,3,0");
    std::string watch = std::string(UNITWATCH_PATH) + " --seconds 2";
    std::string bus = TVCBUS_PATH;
    std::string out;
    ASSERT_EQ(run("(" + watch + " & sleep 0.6; " + bus + " unplug 1; sleep 0.6; " + bus +
                      " plug 1; wait)",
                  &out),
              0);
    const std::string levels = "levels: 0.0 13.9 27.7 41.6 429.8 415.9 407.8 inf";
    EXPECT_TRUE(
        inOrder(lines(out), {"units changed: 1 unit, watching unit 1", levels, "unit 1 unplugged",
                             "units changed: 0 units", "levels: none", "unit 1 plugged in",
                             "units changed: 1 unit, watching unit 1", levels}))
        << out;
}

TEST_F(UnitWatchProgramTest, StopsAfterTheGivenNumberOfPollsWithoutAUnit) {
    setUnitKey(1, "Present", "0");
    std::string out;
    ASSERT_EQ(run(std::string(UNITWATCH_PATH) + " --count 3", &out), 0);
    EXPECT_EQ(out, "levels: none\n");
}

}  // namespace

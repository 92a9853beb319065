#include "SimBusTest.h"
#include "TextFile.h"

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

// The bus tool acts only once the watch has shown what came before, so a
// loaded machine that starts the watch late cannot reorder the story.
TEST_F(UnitWatchProgramTest, ReportsAUnitUnpluggedAndPluggedBackWithTheBusTool) {
    setUnitKey(1, "Levels", "0x7FFFFFFF,0x40000000,0x20000000,0x10000000,1,2,3,0");
    std::string log = dir_.file("watch.txt");
    std::string script = dir_.file("session.sh");
    ASSERT_TRUE(TextFile::writeAtomic(
        script, "waitfor() { i=0; until [ \"$(grep -cs \"$1\" " + log +
                    ")\" -ge $2 ]; do\n"
                    "  i=$((i+1)); [ $i -gt 600 ] && return 1; sleep 0.05; done; }\n" +
                    std::string(UNITWATCH_PATH) + " --seconds 60 > " + log + " & pid=$!\n" +
                    "waitfor 'levels: 0.0' 1 && " + TVCBUS_PATH + " unplug 1 && " +
                    "waitfor 'levels: none' 1 && " + TVCBUS_PATH + " plug 1 && " +
                    "waitfor 'levels: 0.0' 2; status=$?\nkill $pid; wait; exit $status\n"));
    ASSERT_EQ(run("sh " + script), 0);
    std::string out;
    ASSERT_TRUE(TextFile::read(log, out));
    const std::string levels = "levels: 0.0 13.9 27.7 41.6 429.8 415.9 407.8 inf";
    EXPECT_TRUE(inOrder(lines(out),
                        {"units changed: 1 unit, watching unit 1", levels, "units changed: 0 units",
                         "levels: none", "units changed: 1 unit, watching unit 1", levels}))
        << out;
}

TEST_F(UnitWatchProgramTest, StopsAfterTheGivenNumberOfPollsWithoutAUnit) {
    setUnitKey(1, "Present", "0");
    std::string out;
    ASSERT_EQ(run(std::string(UNITWATCH_PATH) + " --count 3", &out), 0);
    EXPECT_EQ(out, "levels: none\n");
}

// 4294968 s in milliseconds wraps a 32-bit count to 704 ms: the watch must
// still run its 50 polls (1.25 s), long enough for the second plain line.
TEST_F(UnitWatchProgramTest, ALongTimeLimitDoesNotEndTheWatchEarly) {
    setUnitKey(1, "Levels", "0x7FFFFFFF,0x40000000,0x20000000,0x10000000,1,2,3,0");
    std::string out;
    ASSERT_EQ(run(std::string(UNITWATCH_PATH) + " --plain --seconds 4294968 --count 50", &out), 0);
    const std::string levels = "levels: 0.0 13.9 27.7 41.6 429.8 415.9 407.8 inf\n";
    EXPECT_EQ(out, "units changed: 1 unit, watching unit 1\n" + levels + levels);
}

}  // namespace

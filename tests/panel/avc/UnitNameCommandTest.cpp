// The name commands reach only the unit they name: a unit past the count or
// one whose channel will not open gets nothing, and the selection stays.
#include "AvcUnit.h"
#include "SimBusTest.h"
#include "SimRequestLog.h"
#include "SimUnitSettings.h"

#include <cstring>

namespace {

constexpr uint32_t kAvcCommand = 0x80883004;

class UnitNameCommandTest : public SimBusTest {
protected:
    UnitNameCommandTest() {
        setUnitKey(2, "Present", "1");
        setUnitKey(1, "Name", "First");
        setUnitKey(2, "Name", "Second");
        model_.ConnectAtStart();
        SimRequestLog::start();
    }
    ~UnitNameCommandTest() override { SimRequestLog::stop(); }

    // How many requests reached a unit (not the control device) since the last call.
    size_t unitRequests() {
        size_t count = 0;
        for (const SimRequestLog::Entry& entry : SimRequestLog::take())
            count += entry.unit ? 1 : 0;
        return count;
    }

    // The name as the unit keeps it in the bus file.
    std::string storedName(int slot) {
        SimUnitSettings::instance().flush();
        return unitKey(slot, "Name");
    }

    CDeviceModel model_;
    AvcUnit unit_{model_};
};

TEST_F(UnitNameCommandTest, AUnitPastTheCountGetsNoNameCommand) {
    ASSERT_TRUE(unit_.SelectUnit(1));
    unitRequests();
    EXPECT_FALSE(unit_.SetUnitName(2, "Wrong!"));
    EXPECT_FALSE(unit_.SetUnitName(3, "Wrong!"));
    EXPECT_FALSE(unit_.SetUnitName(-1, "Wrong!"));
    char name[7] = "before";
    EXPECT_FALSE(unit_.GetUnitName(2, name));
    EXPECT_EQ(unitRequests(), 0u) << "nothing reached any unit";
    EXPECT_STREQ(name, "before");
    EXPECT_EQ(model_.SelectedUnit, 1u);
    EXPECT_EQ(storedName(1), "First");
    EXPECT_EQ(storedName(2), "Second");

    setUnitKey(2, "Present", "0");
    ASSERT_TRUE(unit_.SelectUnit(0));
    unitRequests();
    EXPECT_FALSE(unit_.SetUnitName(1, "Wrong!")) << "the second unit has gone";
    EXPECT_EQ(unitRequests(), 0u);
    EXPECT_EQ(storedName(1), "First");
}

TEST_F(UnitNameCommandTest, AUnitWhoseChannelWillNotOpenGetsNoNameCommand) {
    ASSERT_TRUE(unit_.SelectUnit(0));
    setDriverKey("Version", "2.9");
    SimRequestLog::take();
    char name[7] = "before";
    EXPECT_FALSE(unit_.GetUnitName(1, name));
    EXPECT_FALSE(unit_.SetUnitName(1, "Wrong!"));
    for (const SimRequestLog::Entry& entry : SimRequestLog::take())
        EXPECT_NE(entry.code, kAvcCommand) << "only the channel's version checks went out";
    EXPECT_STREQ(name, "before");
    EXPECT_EQ(storedName(1), "First");
    EXPECT_EQ(storedName(2), "Second");

    setDriverKey("Version", "2.13");
    ASSERT_TRUE(unit_.SetUnitName(1, "Renamd"));
    EXPECT_EQ(storedName(2), "Renamd");
    EXPECT_EQ(storedName(1), "First");
    EXPECT_EQ(model_.SelectedUnit, 0u);
}

}  // namespace

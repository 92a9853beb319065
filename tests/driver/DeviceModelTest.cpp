#include "DeviceModel.h"
#include "DriverTest.h"
#include "TvcStatus.h"

namespace {

using Requests = std::vector<std::string>;

class DeviceModelTest : public DriverTest {
protected:
    bool channelOpen() {
        TVC_VERSION version{};
        return model_.TvcCtrl.GetVersion(&version) == 0;
    }

    CDeviceModel model_;
};

TEST_F(DeviceModelTest, ConnectsToTheDriverAndTheFirstUnitAtStart) {
    setUnitKey(2, "Present", "1");
    model_.ConnectAtStart();
    EXPECT_TRUE(model_.Drv.IsOpen());
    EXPECT_EQ(model_.Drv.GetPropertiesCount(), 2u);
    EXPECT_EQ(model_.SelectedUnit, 0u);
    EXPECT_EQ(model_.TvcCtrl.GetDevicePath(), unitPath(1));
    EXPECT_EQ(model_.LastUnitCount, 0u) << "the unit watch reports the units first";
    EXPECT_EQ(takeRequests(), (Requests{"C 80882804", "C 80882860", "C 80882920 01000000",
                                        "C 80882920 02000000", "U 80882804"}));
    EXPECT_EQ(model_.GetUnitCount(), 2u);
}

TEST_F(DeviceModelTest, StartWithoutDriverOrUnitLeavesEverythingClosed) {
    setUnitKey(1, "Present", "0");
    model_.ConnectAtStart();
    EXPECT_TRUE(model_.Drv.IsOpen());
    EXPECT_FALSE(channelOpen());
    EXPECT_EQ(model_.GetUnitCount(), 0u);

    CDeviceModel other;
    setDriverKey("Present", "0");
    other.ConnectAtStart();
    EXPECT_FALSE(other.Drv.IsOpen());
    takeRequests();
    EXPECT_EQ(other.GetUnitCount(), 0u);
    EXPECT_FALSE(other.SelectUnit(0));
    EXPECT_EQ(takeRequests(), Requests{}) << "a closed driver is not asked";
}

TEST_F(DeviceModelTest, SelectsAUnitByIndexAndRefusesOnePastTheCount) {
    setUnitKey(2, "Present", "1");
    model_.ConnectAtStart();
    ASSERT_TRUE(model_.SelectUnit(1));
    EXPECT_EQ(model_.SelectedUnit, 1u);
    EXPECT_EQ(model_.TvcCtrl.GetDevicePath(), unitPath(2));
    takeRequests();

    EXPECT_FALSE(model_.SelectUnit(2));
    EXPECT_EQ(model_.SelectedUnit, 1u);
    EXPECT_EQ(model_.TvcCtrl.GetDevicePath(), unitPath(2));
    EXPECT_TRUE(channelOpen()) << "the current unit stays open";
    EXPECT_EQ(takeRequests(), (Requests{"C 80882860", "U 80882804"}));
}

TEST_F(DeviceModelTest, AUnitThatDoesNotOpenLeavesTheChannelClosedAndSelectsZero) {
    setUnitKey(2, "Present", "1");
    model_.ConnectAtStart();
    ASSERT_TRUE(model_.SelectUnit(1));
    setDriverKey("Version", "2.9");
    EXPECT_FALSE(model_.SelectUnit(0));
    EXPECT_EQ(model_.SelectedUnit, 0u);
    EXPECT_FALSE(channelOpen());
    EXPECT_TRUE(model_.Drv.IsOpen()) << "the control device checked its version when it opened";
}

}  // namespace

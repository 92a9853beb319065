// The window as it was left comes back at the next start: position, always
// on top, the strip, the selected unit and the tooltips.
#include "MainWindow.h"
#include "PanelTest.h"
#include "RegistryValue.h"
#include "WindowMemory.h"

#include <memory>

namespace {

class WindowMemoryTest : public PanelTest {
protected:
    ~WindowMemoryTest() override { window_.reset(); }

    MainWindow& open() {
        window_.reset();
        models_.push_back(std::make_unique<CDeviceModel>());
        window_ = std::make_unique<MainWindow>(*models_.back(), true);
        pump(200);
        return *window_;
    }
    static juce::String stored(const char* name) {
        return RegistryValue(juce::String("HKEY_CURRENT_USER\\Software\\Brantel\\Lumora ") + name)
            .read("(none)");
    }

    std::vector<std::unique_ptr<CDeviceModel>> models_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowMemoryTest, TheWindowComesBackAsItWasLeft) {
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X server";
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "Name", "Desk");
    MainWindow& first = open();
    ASSERT_TRUE(
        pumpUntil([&] { return first.getMainComp().getUnitSelect().getButton(1).isEnabled(); }));
    EXPECT_EQ(first.getWinShade(), nullptr) << "nothing remembered yet";
    first.setTopLeftPosition(100, 80);
    first.getAlwaysOnTopButton().setToggleState(true);
    first.getMainComp().getUnitSelect().getButton(1).setToggleState(true, juce::sendNotification);
    first.getMainComp().contextMenuChosen(MainComp::kTooltipsItem);
    pump();
    first.getShadeButton().setToggleState(true);
    pump();
    ASSERT_NE(first.getWinShade(), nullptr);
    window_.reset();
    EXPECT_EQ(stored("Window"), "100 80");
    EXPECT_EQ(stored("AlwaysOnTop"), "1");
    EXPECT_EQ(stored("WindowShade"), "1");
    EXPECT_EQ(stored("Tooltips"), "1");
    EXPECT_EQ(stored("Unit"), "Desk");

    MainWindow& second = open();
    EXPECT_EQ(second.getPosition(), juce::Point<int>(100, 80));
    EXPECT_TRUE(second.getAlwaysOnTopButton().getToggleState());
    EXPECT_TRUE(second.getPanelState().getTooltipsShown());
    ASSERT_TRUE(pumpUntil([&] { return second.getWinShade() != nullptr; }));
    EXPECT_EQ(second.getHeight(), 159);
    EXPECT_EQ(models_.back()->SelectedUnit, 1u) << "the unit named Desk";

    second.getShadeButton().setToggleState(false);
    pump();
    second.getMainComp().contextMenuChosen(MainComp::kTooltipsItem);
    window_.reset();
    EXPECT_EQ(stored("WindowShade"), "0");
    EXPECT_EQ(stored("Tooltips"), "0");
}

TEST(WindowMemoryPlacement, APositionOnNoScreenComesOntoTheMainScreen) {
    const juce::Rectangle<int> main(0, 0, 1920, 1080), right(1920, 0, 1280, 1024);
    const juce::Array<juce::Rectangle<int>> screens{main, right};
    const juce::Rectangle<int> onRight(2000, 100, 725, 615);
    EXPECT_EQ(WindowMemory::placeOnScreens(onRight, screens, main), onRight);
    const juce::Rectangle<int> gone(4000, 100, 725, 615);
    EXPECT_EQ(WindowMemory::placeOnScreens(gone, screens, main).getCentre(), main.getCentre());
    const juce::Rectangle<int> titleAbove(100, -30, 725, 615);
    EXPECT_EQ(WindowMemory::placeOnScreens(titleAbove, screens, main).getCentre(), main.getCentre())
        << "a title bar out of reach";
}

}  // namespace

// The window around an update: closing while it runs asks first; the units
// are followed as they come and go; keys, names and the log switch.
#include "UpdaterWindowTest.h"

#include <vector>

namespace {

class UpdateWindowTest : public UpdaterWindowTest {};

TEST_F(UpdateWindowTest, ClosingDuringADownloadAsksAndExplainsTheRisk) {
    if (!haveDisplay())
        GTEST_SKIP() << "the question needs an X server";
    ScopedEnv slow("TVC_SIM_TIME_SCALE", "10");
    setUnitKey(1, "BlockSize", "256");
    setUnitKey(1, "ResponseDelayMs", "200");
    UpdaterWindow& window = open();
    EXPECT_EQ(window.getName(), "LUMORA Firmware Update");
    ASSERT_TRUE(pumpUntil([&] { return content().haveUnitsBeenRead(); }));
    ASSERT_TRUE(chooseFile(LongFile(20000)));
    clickUpdateAndConfirm();
    ASSERT_TRUE(content().isUpdating());

    window.closeButtonPressed();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    EXPECT_EQ(question()->getTitle(), "An update is running");
    EXPECT_TRUE(question()->getDescription().contains("may be left without working firmware"));
    window.closeButtonPressed();
    pump(50);
    EXPECT_EQ(juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1)
        << "a second request while the question is up asks nothing more";
    pressKey(juce::KeyPress::returnKey);
    ASSERT_TRUE(pumpUntil([] { return question() == nullptr; }));
    EXPECT_EQ(closes_, 0) << "Return keeps the update going";

    window.closeButtonPressed();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    pressKey(juce::KeyPress::escapeKey);
    ASSERT_TRUE(pumpUntil([] { return question() == nullptr; }));
    EXPECT_EQ(closes_, 0) << "so does Escape";
    EXPECT_TRUE(content().isUpdating());

    window.closeButtonPressed();
    ASSERT_TRUE(pumpUntil([] { return question() != nullptr; }));
    clickAnswer("Close anyway");
    ASSERT_TRUE(pumpUntil([&] { return closes_ == 1; }));

    EXPECT_EQ(waitForEnd(60000), 0u);
    window.closeButtonPressed();
    EXPECT_EQ(closes_, 2) << "once it has ended, the window closes at once";
    EXPECT_EQ(question(), nullptr);
}

TEST_F(UpdateWindowTest, TheListFollowsUnitsAndKeepsTheChosenOne) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return content().getUnitTable().getUnits().size() == 1; }));
    UnitTable& units = content().getUnitTable();
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "Name", "Studio");
    ASSERT_TRUE(pumpUntil([&] { return units.getUnits().size() == 2; }));
    EXPECT_EQ(units.getNameForRow(1),
              "Studio, firmware 0x00010000 build 1, model 0x00010001, "
              "protocol 3, GUID 0x0013A20000100002");
    units.getList().selectRow(1);
    EXPECT_EQ(units.chosen()->GuidText(), "0x0013A20000100002");
    setUnitKey(1, "Present", "0");
    ASSERT_TRUE(pumpUntil([&] { return units.getUnits().size() == 1; }));
    EXPECT_EQ(units.chosen()->GuidText(), "0x0013A20000100002") << "still the chosen unit";
    setUnitKey(2, "Present", "0");
    ASSERT_TRUE(pumpUntil([&] { return units.getUnits().empty(); }));
    EXPECT_EQ(units.chosen(), nullptr);
    EXPECT_FALSE(content().getProgressPanel().getUpdateButton().isEnabled());
    setUnitKey(1, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return units.chosen() != nullptr; }));
    EXPECT_EQ(units.chosen()->GuidText(), "0x0013A20000100001") << "the first unit is chosen";
}

TEST_F(UpdateWindowTest, TabReachesEveryControlInOrderAndEachHasAName) {
    if (!haveDisplay())
        GTEST_SKIP() << "only a window on the screen takes the focus";
    UpdaterWindow& window = open(true);
    ASSERT_TRUE(pumpUntil([&] { return content().haveUnitsBeenRead(); }));
    ASSERT_TRUE(chooseFile(File(Content(1))));
    ASSERT_TRUE(content().isFileAccepted());
    std::unique_ptr<juce::ComponentTraverser> traverser = window.createKeyboardFocusTraverser();
    std::vector<juce::String> order;
    for (juce::Component* component : traverser->getAllComponents(&window))
        order.push_back(component->getTitle());
    // Show file waits for a log file; Restart computer for the library's request.
    EXPECT_EQ(order, (std::vector<juce::String>{"Units", "Choose firmware file", "Release notes",
                                                "Update", "Diagnostic log"}));
    std::function<void(juce::Component&)> named = [&](juce::Component& component) {
        if (component.getWantsKeyboardFocus() && component.isVisible()) {
            EXPECT_TRUE(component.getTitle().isNotEmpty()) << component.getName();
        }
        for (juce::Component* child : component.getChildren())
            named(*child);
    };
    named(window);
}

TEST_F(UpdateWindowTest, TheLogSwitchNamesTheFileTheLibraryWrites) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return content().haveUnitsBeenRead(); }));
    LogSwitch& log = content().getLogSwitch();
    const juce::File file(dir_.file("config/Lumora_1394/lumora_update.log"));
    EXPECT_EQ(LogSwitch::defaultFile(), file);
    EXPECT_EQ(log.getPath().getText(), "Off; logs to " + file.getFullPathName());
    log.getSwitch().triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return log.getPath().getText().startsWith("Logging to "); }));
    EXPECT_TRUE(log.getShowButton().isEnabled());
    ASSERT_TRUE(pumpUntil([&] { return file.loadFileAsString().contains("enter TVCFWDL_"); }))
        << "the next scan is logged";
    log.getSwitch().triggerClick();
    ASSERT_TRUE(pumpUntil([&] { return log.getPath().getText().startsWith("Off; "); }));
    EXPECT_FALSE(log.getSwitch().getToggleState());
}

}  // namespace

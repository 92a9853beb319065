// Undo and redo of the panel's mix, one history per unit, through the window:
// the keys, the context menu's words, and what reaches the unit.
#include "MainWindow.h"
#include "MixChange.h"
#include "PanelTest.h"
#include "SimUnitSettings.h"

#include <memory>

namespace {

class HistoryTest : public PanelTest {
protected:
    ~HistoryTest() override { window_.reset(); }

    MainComp& open() {
        window_ = std::make_unique<MainWindow>(model_, false);
        EXPECT_TRUE(pumpUntil([&] { return main().getUnitSelect().getButton(0).isEnabled(); }));
        pump(100);
        return main();
    }
    MainComp& main() { return window_->getMainComp(); }
    // A gesture as a user makes it: the control moves, then the mouse lets go.
    void gesture(const std::function<void()>& move) {
        move();
        main().getHistory().recordChange();
        pump();
    }
    bool press(const juce::KeyPress& key) {
        const bool taken = window_->keyPressed(key);
        pump();
        return taken;
    }
    // The menu items after the knob motion: their texts and whether enabled.
    juce::StringArray historyItems() {
        juce::StringArray items;
        const juce::PopupMenu menu = main().createContextMenu();
        juce::PopupMenu::MenuItemIterator it(menu);
        while (it.next())
            if (it.getItem().itemID >= MainComp::kUndoItem)
                items.add(it.getItem().text + (it.getItem().isEnabled ? "" : " (off)"));
        return items;
    }
    static std::string unitState(int slot, const std::string& key) {
        return SimUnitSettings::instance().get(slot, key, "");
    }

    std::unique_ptr<MainWindow> window_;
    const juce::KeyPress undoKey{'z', juce::ModifierKeys::commandModifier, 0};
    const juce::KeyPress redoKey{
        'z', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0};
    const juce::KeyPress redoY{'y', juce::ModifierKeys::commandModifier, 0};
};

TEST_F(HistoryTest, EachGestureIsOneStepThatUndoSetsAsTheUserWouldAndTheUnitFollows) {
    MainComp& comp = open();
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo (off)", "Redo (off)"}));
    faderMod& mainFader = comp.getMixer().getMain();
    gesture([&] {
        for (int value = 250; value >= 201; value -= 7)
            mainFader.setFader(value);
        mainFader.setFader(201.0);
    });
    gesture([&] { comp.getMixer().getMain().setMuted(true); });
    gesture([&] { comp.getInput(1).getKnob().setValue(127.0); });
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Input 1 gain", "Redo (off)"}));

    EXPECT_TRUE(press(undoKey));
    EXPECT_TRUE(press(undoKey));
    EXPECT_FALSE(mainFader.isMuted());
    EXPECT_DOUBLE_EQ(mainFader.getFader(), 201.0) << "the fader's drag is one step of its own";
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Main fader", "Redo Main mute"}));
    pump(100);
    EXPECT_EQ(unitState(1, "Mute6.0"), "0x0060") << "the unit follows the undo";
    EXPECT_TRUE(press(undoKey));
    EXPECT_DOUBLE_EQ(mainFader.getFader(), 255.0);
    EXPECT_TRUE(press(undoKey)) << "nothing left: the key is still the panel's";
    EXPECT_DOUBLE_EQ(mainFader.getFader(), 255.0);

    EXPECT_TRUE(press(redoKey));
    EXPECT_TRUE(press(redoY));
    EXPECT_TRUE(mainFader.isMuted());
    EXPECT_DOUBLE_EQ(mainFader.getFader(), 201.0);
    pump(100);
    EXPECT_EQ(unitState(1, "Mute6.0"), "0x0070");
    EXPECT_FALSE(press(juce::KeyPress('z')));
}

// Switching units keeps each unit's steps; a loaded mix and a rename are steps too.
TEST_F(HistoryTest, EachUnitKeepsItsOwnHistory) {
    setUnitKey(2, "Present", "1");
    MainComp& comp = open();
    gesture([&] { comp.getHeadphoneKnob().setValue(61.0); });
    comp.getUnitSelect().getButton(1).setToggleState(true, juce::sendNotificationSync);
    ASSERT_TRUE(pumpUntil([&] { return model_.SelectedUnit == 1u; }));
    pump(100);
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo (off)", "Redo (off)"}));
    gesture([&] { comp.getPhonoButton().setToggleState(true); });
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Phono", "Redo (off)"}));

    comp.getUnitSelect().getButton(0).setToggleState(true, juce::sendNotificationSync);
    ASSERT_TRUE(pumpUntil([&] { return model_.SelectedUnit == 0u; }));
    pump(100);
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Headphones", "Redo (off)"}));
    EXPECT_TRUE(press(undoKey));
    EXPECT_DOUBLE_EQ(comp.getHeadphoneKnob().getValue(), 255.0);

    const juce::File mix(dir_.file("one.imx"));
    gesture([&] { comp.getHeadphoneKnob().setValue(31.0); });
    ASSERT_TRUE(comp.saveMixTo(mix));
    gesture([&] { comp.getHeadphoneKnob().setValue(101.0); });
    comp.loadMixFrom(mix);
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Load mix", "Redo (off)"}));
    EXPECT_TRUE(press(undoKey));
    EXPECT_DOUBLE_EQ(comp.getHeadphoneKnob().getValue(), 101.0);

    comp.getUnitSelect().renameUnit(0, "Desk");
    comp.getUnitSelect().onRenamed(0, "", "Desk");
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Unit 1 name", "Redo (off)"}));
    EXPECT_TRUE(press(undoKey));
    SimUnitSettings::instance().flush();
    EXPECT_EQ(unitKey(1, "Name"), "Unit #");
    EXPECT_EQ(comp.getUnitSelect().getButton(0).getButtonText(), "Unit 1");
}

// Four quick mixes per unit, kept as ordinary mix files named after the unit.
TEST_F(HistoryTest, SnapshotsAreStoredAndRecalledPerUnitAsOneStep) {
    setUnitKey(2, "Present", "1");
    MainComp& comp = open();
    KnobCtl& headphones = comp.getHeadphoneKnob();
    gesture([&] { headphones.setValue(41.0); });
    EXPECT_TRUE(press(juce::KeyPress(
        '@', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0)));
    const juce::File slot2(dir_.file("config") +
                           "/Lumora_1394/Snapshots/0013a20000100001 snapshot 2.imx");
    ASSERT_TRUE(slot2.existsAsFile());
    juce::MemoryBlock bytes;
    ASSERT_TRUE(slot2.loadFileAsData(bytes));
    EXPECT_EQ(Frame(static_cast<const uint8_t*>(bytes.getData()),
                    static_cast<const uint8_t*>(bytes.getData()) + 8),
              (Frame{'P', 'R', 'O', 'P', 31, 0, 0, 0}));

    gesture([&] { headphones.setValue(201.0); });
    comp.contextMenuChosen(MainComp::kRecallItem + 2);
    EXPECT_DOUBLE_EQ(headphones.getValue(), 41.0);
    pump(100);
    EXPECT_EQ(unitState(1, "Volume7.0"), "0x9500") << "the unit follows the recall";
    EXPECT_EQ(historyItems(), juce::StringArray({"Undo Recall snapshot 2", "Redo (off)"}));
    EXPECT_TRUE(press(undoKey));
    EXPECT_DOUBLE_EQ(headphones.getValue(), 201.0);
    EXPECT_TRUE(press(juce::KeyPress('2', juce::ModifierKeys::commandModifier, 0)));
    EXPECT_DOUBLE_EQ(headphones.getValue(), 41.0);

    comp.getUnitSelect().getButton(1).setToggleState(true, juce::sendNotificationSync);
    ASSERT_TRUE(pumpUntil([&] { return model_.SelectedUnit == 1u; }));
    pump(100);
    const double unit2 = headphones.getValue();
    EXPECT_TRUE(press(juce::KeyPress('2', juce::ModifierKeys::commandModifier, 0)));
    EXPECT_DOUBLE_EQ(headphones.getValue(), unit2) << "unit 2 has no snapshot 2";
    comp.storeSnapshot(4);
    EXPECT_TRUE(
        juce::File(dir_.file("config") + "/Lumora_1394/Snapshots/0013a20000100002 snapshot 4.imx")
            .existsAsFile());
}

TEST(MixChangeTest, NamesTheFirstControlThatChanged) {
    juce::StringPairArray before, after;
    before.set("Phono", "0");
    before.set("LeftPan2", "128");
    before.set("RightPan2", "128");
    after = before;
    EXPECT_EQ(MixChange::firstChangedKey(before, after), "");
    after.set("RightPan2", "0");
    after.set("LeftPan2", "255");
    EXPECT_EQ(MixChange::firstChangedKey(before, after), "LeftPan2");
    EXPECT_EQ(MixChange::describe("LeftPan2"), "Strip 2 left pan");
    EXPECT_EQ(MixChange::describe("PreampGain1"), "Input 1 gain");
    EXPECT_EQ(MixChange::describe("Phantom2"), "Input 2 48 V");
    EXPECT_EQ(MixChange::describe("PBfader"), "Playback fader");
    EXPECT_EQ(MixChange::describe("Foreign"), "Foreign");
    after.set("Extra", "1");
    after.set("LeftPan2", "128");
    after.set("RightPan2", "128");
    EXPECT_EQ(MixChange::firstChangedKey(before, after), "Extra");
}

}  // namespace

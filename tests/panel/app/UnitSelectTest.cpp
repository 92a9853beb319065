// The unit buttons and their name editors against two simulated units.
#include "PanelTest.h"
#include "SimUnitSettings.h"
#include "UnitSelect.h"
#include "UnitWatch.h"

#include <memory>

namespace {

class UnitSelectTest : public PanelTest {
protected:
    UnitSelectTest() {
        setUnitKey(1, "Name", "Studio");
        setUnitKey(2, "Present", "1");
        model_.ConnectAtStart();
        select_ = std::make_unique<UnitSelect>(unit_);
        log_ = std::make_unique<ActionLog>(*select_);
    }
    ~UnitSelectTest() override { log_.reset(); }

    juce::StringArray captions() {
        juce::StringArray texts;
        for (int k = 0; k < UnitSelect::kUnits; ++k)
            texts.add(select_->getButton(k).getButtonText());
        return texts;
    }

    AvcUnit unit_{model_};
    std::unique_ptr<UnitSelect> select_;
    std::unique_ptr<ActionLog> log_;
};

TEST_F(UnitSelectTest, TwoUnitsShowTheirNamesAndLeaveButtonsThreeAndFourBlank) {
    EXPECT_EQ(captions(), juce::StringArray({"Unit 1", "Unit 2", "Unit 3", "Unit 4"}));
    for (int k = 0; k < UnitSelect::kUnits; ++k)
        EXPECT_FALSE(select_->getButton(k).isEnabled()) << "before the first rebuild";
    EXPECT_EQ(select_->getButton(2).getBounds(), juce::Rectangle<int>(10, 65, 32, 35));
    EXPECT_EQ(select_->getLabel(3).getBounds(), juce::Rectangle<int>(52, 88, 34, 14));

    select_->rebuild();
    EXPECT_EQ(captions(), juce::StringArray({"Studio", "Unit 2", "", ""}))
        << "the second unit is still \"Unit #\"";
    for (int k = 0; k < UnitSelect::kUnits; ++k) {
        EXPECT_EQ(select_->getButton(k).isEnabled(), k < 2) << k;
        EXPECT_EQ(select_->getLabel(k).isEditableOnDoubleClick(), k < 2) << k;
        EXPECT_FALSE(select_->getLabel(k).isEditableOnSingleClick());
    }
    EXPECT_TRUE(select_->getButton(0).getToggleState());
    EXPECT_EQ(model_.SelectedUnit, 0u);
    pump();
    EXPECT_TRUE(log_->messages.contains("UnitChange"));
}

TEST_F(UnitSelectTest, PressingAButtonSelectsItsUnitOrFallsBackToTheFirst) {
    select_->rebuild();
    pump();
    sentFrames();
    log_->messages.clear();
    select_->getButton(1).setToggleState(true, juce::sendNotification);
    EXPECT_EQ(model_.SelectedUnit, 1u);
    EXPECT_EQ(sentFrames(), std::vector<Frame>{kVendorCommand4}) << "told once, before switching";
    pump();
    EXPECT_EQ(log_->messages, juce::StringArray({"UnitChange"})) << "one refresh per press";

    setUnitKey(2, "Present", "0");
    select_->getButton(0).setToggleState(true, juce::dontSendNotification);
    select_->getButton(1).setToggleState(true, juce::sendNotification);
    EXPECT_TRUE(select_->getButton(0).getToggleState()) << "unit 2 is gone";
    EXPECT_EQ(model_.SelectedUnit, 0u);
}

// The editor needs the keyboard focus, so the selector goes on the screen.
TEST_F(UnitSelectTest, AnEditedNameReachesTheUnitAndEscapeDiscardsIt) {
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X server";
    select_->setVisible(true);
    select_->addToDesktop(juce::ComponentPeer::windowAppearsOnTaskbar);
    pump(100);
    select_->rebuild();
    UnitName& label = select_->getLabel(1);
    label.showEditor();
    juce::TextEditor* editor = label.getCurrentTextEditor();
    ASSERT_NE(editor, nullptr);
    editor->insertTextAtCaret("Seventh");
    EXPECT_EQ(editor->getText(), "Sevent") << "six characters at most";
    editor->keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
    pump();
    EXPECT_EQ(select_->getButton(1).getButtonText(), "Sevent");
    EXPECT_EQ(unitKey(2, "Name"), "Sevent");
    EXPECT_EQ(unitKey(1, "Name"), "Studio") << "the other unit keeps its name";
    EXPECT_EQ(model_.SelectedUnit, 0u) << "the selection comes back";

    label.showEditor();
    editor = label.getCurrentTextEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    editor->insertTextAtCaret("Other");
    editor->keyPressed(juce::KeyPress(juce::KeyPress::escapeKey));
    pump();
    EXPECT_EQ(label.getCurrentTextEditor(), nullptr);
    EXPECT_EQ(select_->getButton(1).getButtonText(), "Sevent");
    EXPECT_EQ(unitKey(2, "Name"), "Sevent");
}

// The watch compares the units with what the buttons show: a unit that went
// while a change was handled, and came back, is reported again.
TEST_F(UnitSelectTest, TheWatchComparesWithTheUnitsTheButtonsShow) {
    LevelReader reader;
    ASSERT_EQ(PresencePoll(reader, model_), POLL_UNITS_CHANGED);
    EXPECT_EQ(model_.LastUnitCount, 2u);
    setUnitKey(2, "Present", "0");
    select_->rebuild();
    EXPECT_FALSE(select_->getButton(1).isEnabled());
    EXPECT_EQ(model_.LastUnitCount, 1u);
    setUnitKey(2, "Present", "1");
    EXPECT_EQ(PresencePoll(reader, model_), POLL_UNITS_CHANGED);
}

// An empty name is the unnamed state: the unit stores "Unit #" and the
// button shows its number, never a blank.
TEST_F(UnitSelectTest, AnEmptyNameMakesTheUnitUnnamed) {
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X server";
    select_->setVisible(true);
    select_->addToDesktop(juce::ComponentPeer::windowAppearsOnTaskbar);
    pump(100);
    select_->rebuild();
    UnitName& label = select_->getLabel(0);
    auto commit = [&](const char* text) {
        label.showEditor();
        juce::TextEditor* editor = label.getCurrentTextEditor();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->insertTextAtCaret(text);
        editor->keyPressed(juce::KeyPress(juce::KeyPress::returnKey));
        pump();
        SimUnitSettings::instance().flush();
    };
    for (const char* empty : {"", "   "}) {
        commit("Desk");
        EXPECT_EQ(unitKey(1, "Name"), "Desk");
        commit(empty);
        EXPECT_EQ(select_->getButton(0).getButtonText(), "Unit 1");
        EXPECT_EQ(unitKey(1, "Name"), "Unit #");
    }
}

TEST_F(UnitSelectTest, ANameForAUnitPastTheCountSendsNothing) {
    select_->rebuild();
    sentFrames();
    EXPECT_FALSE(unit_.SetUnitName(2, "Ghost\0"));
    char name[7] = {};
    EXPECT_FALSE(unit_.GetUnitName(3, name));
    EXPECT_TRUE(sentFrames().empty());
    EXPECT_EQ(unitKey(1, "Name"), "Studio");
}

}  // namespace

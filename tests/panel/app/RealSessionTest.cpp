// The panel in odd moments of a real session: units gone while the strip is
// shown, a unit that stops answering while controls move, a strip closed
// right after a turn.
#include "MainWindow.h"
#include "PanelTest.h"
#include "SimUnitSettings.h"

#include <memory>

namespace {

class RealSessionTest : public PanelTest {
protected:
    ~RealSessionTest() override { window_.reset(); }

    MainWindow& open() {
        window_ = std::make_unique<MainWindow>(model_, false);
        return *window_;
    }
    MainComp& main() { return window_->getMainComp(); }
    bool unitButtonsRead() { return main().getUnitSelect().getButton(0).isEnabled(); }
    bool veiled() { return !main().isEnabled(); }
    bool stripVeiled() {
        WinShadeComp* strip = window_->getWinShade();
        return strip != nullptr && strip->getNoDevice().isVisible() && !strip->isEnabled();
    }
    void pressShade(bool on) {
        window_->getShadeButton().setToggleState(on);
        pump();
    }
    // The unit's own state, as the simulated unit holds it in this process.
    static std::string unitState(const std::string& key) {
        return SimUnitSettings::instance().get(1, key, "");
    }

    std::unique_ptr<MainWindow> window_;
};

// The shade button always says which mode the window is in, and the strip
// follows the units while it is shown.
TEST_F(RealSessionTest, TheShadeStripFollowsTheUnitsAndCanAlwaysBeLeft) {
    setUnitKey(1, "Present", "0");
    MainWindow& window = open();
    pump(100);
    pressShade(true);
    EXPECT_EQ(window.getWinShade(), nullptr);
    EXPECT_FALSE(window.getShadeButton().getToggleState()) << "no unit: the press changes nothing";
    EXPECT_EQ(window.getHeight(), 615);

    setUnitKey(1, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return !veiled() && unitButtonsRead(); }));
    pressShade(true);
    ASSERT_NE(window.getWinShade(), nullptr);
    EXPECT_EQ(window.getHeight(), 159);
    EXPECT_FALSE(stripVeiled());

    setUnitKey(1, "Present", "0");
    ASSERT_TRUE(pumpUntil([&] { return stripVeiled(); })) << "the strip shows No Device";
    SimUnitSettings::instance().flush();
    setUnitKey(1, "Volume6.0", "0xD800");
    setUnitKey(1, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return !stripVeiled(); }));
    EXPECT_TRUE(pumpUntil([&] { return window.getWinShade()->getMainKnob().getValue() == 175.0; }))
        << "read again once the unit is back";

    setUnitKey(1, "Present", "0");
    ASSERT_TRUE(pumpUntil([&] { return stripVeiled(); }));
    pressShade(false);
    EXPECT_EQ(window.getWinShade(), nullptr) << "leaving works without a unit";
    EXPECT_EQ(window.getHeight(), 620);
    EXPECT_TRUE(veiled());
}

// A mute pressed while the unit times out shows at once and reaches the unit
// once it answers again, without another touch.
TEST_F(RealSessionTest, AMovesMadeWhileTheUnitTimesOutReachItWhenItAnswers) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    pump(100);
    const std::string unmuted = unitState("Mute6.0");
    setUnitKey(1, "IoDelayMs", "3000");
    main().getMixer().getMain().setMuted(true);
    main().getMixer().getMain().setFader(201.0);
    pump(100);
    EXPECT_EQ(unitState("Mute6.0"), unmuted);
    setUnitKey(1, "IoDelayMs", "0");
    EXPECT_TRUE(pumpUntil([&] { return unitState("Mute6.0") != unmuted; }));
    EXPECT_TRUE(main().getMixer().getMain().isMuted());
    sentFrames();
    main().refreshFromUnit();
    pump(100);
    EXPECT_TRUE(main().getMixer().getMain().isMuted()) << "the unit holds what the screen shows";
    EXPECT_DOUBLE_EQ(main().getMixer().getMain().getFader(), 201.0);
}

// A read-back that found the unit slow shows defaults; they are not pushed
// onto the unit, which is read again once it answers.
TEST_F(RealSessionTest, ARefreshThatFoundTheUnitSlowIsReadAgainOnceItAnswers) {
    setUnitKey(1, "Volume6.0", "0xC900");
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    ASSERT_DOUBLE_EQ(main().getMixer().getMain().getFader(), 145.0);
    setUnitKey(1, "IoDelayMs", "3000");
    main().refreshFromUnit();
    pump(100);
    EXPECT_DOUBLE_EQ(main().getMixer().getMain().getFader(), 0.0) << "the defaults";
    setUnitKey(1, "IoDelayMs", "0");
    EXPECT_TRUE(pumpUntil([&] { return main().getMixer().getMain().getFader() == 145.0; }));
    EXPECT_EQ(unitState("Volume6.0"), "0xC900");
}

// A value still waiting in a knob's 10 ms sender goes out when the strip closes.
TEST_F(RealSessionTest, ATurnRightBeforeTheStripClosesReachesTheUnit) {
    MainWindow& window = open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    pressShade(true);
    ASSERT_NE(window.getWinShade(), nullptr);
    window.getWinShade()->getHeadphoneKnob().setValue(91.0);
    window.getShadeButton().setToggleState(false);
    pump();
    EXPECT_EQ(window.getWinShade(), nullptr);
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 91.0) << "re-read from the unit";
}

}  // namespace

#include "ModuleTest.h"
#include "TvcStatus.h"
#include "preAmpMod.h"
#include "wsPreAmp.h"

#include <algorithm>

namespace {

// A unit whose driver fails every gain STATUS and carries everything else.
class GainDeafUnit : public AvcUnit {
public:
    using AvcUnit::AvcUnit;

protected:
    DWORD transmit(PTVC_AVC_REQUEST request, PTVC_AVC_RESPONSE response) override {
        const BYTE gainStatus[] = {0x01, 0x08, 0xB8, 0x81, 0x01};
        if (std::equal(gainStatus, gainStatus + 5, request->Frame))
            return ERROR_GEN_FAILURE;
        return AvcUnit::transmit(request, response);
    }
};

class PreampTest : public ModuleTest {};

TEST_F(PreampTest, SwitchesSendTheirVendorCommandsAtOnceInBothLayouts) {
    preAmpMod main(unit_, 2);
    wsPreAmp shade(unit_, 2);
    main.getPhantomButton().setToggleState(true);
    EXPECT_EQ(waitForFrames(1), (Frames{{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x02, 0x01}}));
    main.getPhantomButton().setToggleState(false);
    main.getLimiterButton().setToggleState(true);
    shade.getBoostButton().setToggleState(true);
    EXPECT_EQ(waitForFrames(3), (Frames{{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x02, 0x00},
                                        {0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x03, 0x02, 0x01},
                                        {0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x02, 0x02, 0x01}}));
    shade.getKnob().setValue(3.0);
    EXPECT_EQ(waitForFrames(1),
              (Frames{{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x02, 0x02, 0x02, 0xEB, 0x80}}))
        << "the gain knob drives block 1, channel 2: -20.5 dB";

    EXPECT_EQ(main.getPhantomButton().getBounds(), juce::Rectangle<int>(34, 79, 38, 38));
    EXPECT_EQ(main.getLimiterButton().getBounds(), juce::Rectangle<int>(100, 79, 38, 38));
    EXPECT_EQ(main.getBoostButton().getBounds(), juce::Rectangle<int>(130, 17, 38, 38));
    EXPECT_EQ(main.getKnob().getBounds(), juce::Rectangle<int>(68, 14, 43, 43));
    EXPECT_EQ(main.getKnob().getTooltip(), "Adjusts the gain of Mic/Inst 2");
    EXPECT_EQ(shade.getPhantomButton().getBounds(), juce::Rectangle<int>(122, 11, 38, 38));
    EXPECT_EQ(shade.getLimiterButton().getBounds(), juce::Rectangle<int>(122, 79, 38, 38));
    EXPECT_EQ(shade.getBoostButton().getBounds(), juce::Rectangle<int>(122, 45, 38, 38));
    EXPECT_EQ(shade.getKnob().getBounds(), juce::Rectangle<int>(20, 44, 43, 43));
    EXPECT_EQ(shade.getKnob().getTooltip(), "");
}

// A switch's command follows its click through the message queue. A read-back
// in between used to set the switch back to the unit's older value and send
// that; the click now goes out first. So does one made just before the strip goes.
TEST_F(PreampTest, AClickStillOnItsWayReachesTheUnitBeforeAReadBackOrTheStripsEnd) {
    const Frame phantomOn{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x02, 0x01};
    preAmpMod preamp(unit_, 2);
    preamp.getPhantomButton().setToggleState(true);
    preamp.refreshFromUnit();
    Frames frames = sentFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0], phantomOn);
    EXPECT_TRUE(preamp.getPhantomButton().getToggleState()) << "the read-back found it";
    pump();
    EXPECT_TRUE(preamp.getPhantomButton().getToggleState());
    frames = sentFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), phantomOn), 1)
        << "the message sends the same state";
    EXPECT_EQ(std::count(frames.begin(), frames.end(),
                         Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x01, 0x02, 0x00}),
              0);

    {
        wsPreAmp shade(unit_, 2);
        shade.getBoostButton().setToggleState(true);
    }
    EXPECT_EQ(sentFrames(), (Frames{{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x02, 0x02, 0x01}}));
}

TEST_F(PreampTest, AGainThatCannotBeReadMovesTheKnobTo0AndSendsIt) {
    GainDeafUnit unit(model_);
    preAmpMod preamp(unit, 2);
    preamp.getKnob().setValue(200.0);
    pump(40);
    sentFrames();
    preamp.refreshFromUnit();
    Frames frames = waitForFrames(4);
    EXPECT_EQ(preamp.getKnob().getValue(), 0.0);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(),
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x02, 0x02, 0x02, 0xEB, 0x00}))
        << "gain 0: -21 dB";
}

TEST_F(PreampTest, RefreshShowsTheUnitsSettingsOrTheDefaultsWhenEveryReadFails) {
    setUnitKey(1, "Volume1.1", "0x0C80");
    setUnitKey(1, "Phantom1", "1");
    setUnitKey(1, "Boost1", "1");
    preAmpMod preamp(unit_, 1);
    preamp.refreshFromUnit();
    pump(40);
    EXPECT_EQ(preamp.getKnob().getValue(), 189.0) << "+12.5 dB";
    EXPECT_TRUE(preamp.getPhantomButton().getToggleState());
    EXPECT_FALSE(preamp.getLimiterButton().getToggleState());
    EXPECT_TRUE(preamp.getBoostButton().getToggleState());
    preamp.getLimiterButton().setToggleState(true);

    setUnitKey(1, "Present", "0");
    preamp.refreshFromUnit();
    pump(40);
    EXPECT_EQ(preamp.getKnob().getValue(), 0.0);
    EXPECT_FALSE(preamp.getPhantomButton().getToggleState());
    EXPECT_FALSE(preamp.getLimiterButton().getToggleState());
    EXPECT_FALSE(preamp.getBoostButton().getToggleState());
}

}  // namespace

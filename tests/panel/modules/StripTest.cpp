#include "ModuleTest.h"
#include "stChannel.h"

namespace {

class StripTest : public ModuleTest {
protected:
    static void setPans(stChannel& strip, double left, double right) {
        strip.getLeft().setPan(left);
        strip.getRight().setPan(right);
    }
};

TEST_F(StripTest, LinkHardPansThePairAndRestoresItsPansAfterwards) {
    stChannel strip(unit_, state_, 1);
    setPans(strip, 100.0, 140.0);
    pump();
    sentFrames();
    strip.getLinkButton().setToggleState(true);
    EXPECT_EQ(sorted(waitForFrames(3)),
              sorted({{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x01, 0x01},
                      {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x03, 0x02, 0x7F, 0xFE},
                      {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x03, 0x02, 0x80, 0x00}}))
        << "SetLink(1, on), pans 0 and 255";
    strip.getLinkButton().setToggleState(false);
    EXPECT_EQ(sorted(waitForFrames(3)),
              sorted({{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x01, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x03, 0x02, 0x1B, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x03, 0x02, 0xF3, 0x00}}))
        << "pans 100 and 140 again";
    EXPECT_EQ(strip.getLeft().getPan(), 100.0);
    EXPECT_EQ(strip.getRight().getPan(), 140.0);
}

// A Link click still on its way when the unit is read back goes out first:
// the read-back used to set Link back off, and the click was lost.
TEST_F(StripTest, ALinkClickStillOnItsWayIsSentBeforeAReadBack) {
    stChannel strip(unit_, state_, 1);
    pump();
    sentFrames();
    strip.getLinkButton().setToggleState(true);
    strip.refreshFromUnit();
    const Frames frames = sentFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames[0], (Frame{0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x01, 0x01}));
    pump();
    EXPECT_TRUE(strip.getLinkButton().getToggleState());
    EXPECT_EQ(strip.getLeft().getPan(), 0.0) << "the pair is hard panned as linked";
}

TEST_F(StripTest, LinkedFadersAndMutesFollowEachOther) {
    stChannel strip(unit_, state_, 1);
    strip.getLinkButton().setToggleState(true);
    pump(60);
    sentFrames();
    strip.getLeft().setFader(180.0);
    EXPECT_EQ(strip.getRight().getFader(), 180.0);
    EXPECT_EQ(sorted(waitForFrames(2)),
              sorted({{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x02, 0x02, 0xDB, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x02, 0x02, 0xDB, 0x00}}));
    strip.getRight().setFader(30.0);
    EXPECT_EQ(strip.getLeft().getFader(), 30.0);

    strip.getLeft().setMuted(true);
    pump();
    EXPECT_TRUE(strip.getRight().isMuted());
    strip.getRight().setMuted(false);
    pump();
    EXPECT_FALSE(strip.getLeft().isMuted());
    Frames frames = sentFrames();
    const Frame leftMuteOn{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x01, 0x01, 0x01, 0x70};
    const Frame rightMuteOff{0x00, 0x08, 0xB8, 0x81, 0x03, 0x10, 0x02, 0x02, 0x01, 0x01, 0x60};
    EXPECT_NE(std::find(frames.begin(), frames.end(), leftMuteOn), frames.end());
    EXPECT_NE(std::find(frames.begin(), frames.end(), rightMuteOff), frames.end());

    strip.getLinkButton().setToggleState(false);
    pump();
    strip.getLeft().setFader(90.0);
    EXPECT_EQ(strip.getRight().getFader(), 30.0) << "unlinked faders move alone";
}

TEST_F(StripTest, Strip2AddressesBlock4AndLinksWithArgument2) {
    stChannel strip(unit_, state_, 2);
    strip.getRight().setFader(0.0);
    strip.getRight().setMuted(true);
    pump();
    strip.getLinkButton().setToggleState(true);
    Frames frames = waitForFrames(5);
    EXPECT_EQ(sorted(frames),
              sorted({{0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x02, 0x02, 0x02, 0x81, 0x00},
                      {0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x02, 0x01, 0x01, 0x70},
                      {0x00, 0x08, 0x00, 0x00, 0x13, 0xA2, 0x05, 0x02, 0x01},
                      {0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x01, 0x03, 0x02, 0x7F, 0xFE},
                      {0x00, 0x08, 0xB8, 0x81, 0x04, 0x10, 0x02, 0x02, 0x03, 0x02, 0x80, 0x00}}));
}

TEST_F(StripTest, RefreshShowsTheUnitsSettingsOrTheDefaultsWhenEveryReadFails) {
    setUnitKey(1, "Volume3.1", "0xE500");
    setUnitKey(1, "Volume3.2", "0xC900");
    setUnitKey(1, "Balance3.1", "0x1B00");
    setUnitKey(1, "Balance3.2", "0xF300");
    setUnitKey(1, "Mute3.2", "0x70");
    setUnitKey(1, "Link1", "1");
    stChannel strip(unit_, state_, 1);
    strip.refreshFromUnit();
    EXPECT_EQ(strip.getLeft().getFader(), 201.0);
    EXPECT_EQ(strip.getRight().getFader(), 145.0) << "the faders are not linked while read";
    EXPECT_EQ(strip.getLeft().getPan(), 100.0);
    EXPECT_EQ(strip.getRight().getPan(), 140.0);
    EXPECT_FALSE(strip.getLeft().isMuted());
    EXPECT_TRUE(strip.getRight().isMuted());
    EXPECT_TRUE(strip.getLinkButton().getToggleState());
    pump(60);
    EXPECT_EQ(strip.getLeft().getPan(), 0.0) << "the read Link hard-pans the pair";
    EXPECT_EQ(strip.getRight().getPan(), 255.0);

    setUnitKey(1, "Present", "0");
    strip.refreshFromUnit();
    pump(60);
    EXPECT_EQ(strip.getLeft().getFader(), 255.0);
    EXPECT_EQ(strip.getRight().getFader(), 255.0);
    EXPECT_EQ(strip.getLeft().getPan(), 128.0);
    EXPECT_EQ(strip.getRight().getPan(), 128.0);
    EXPECT_FALSE(strip.getRight().isMuted());
    EXPECT_FALSE(strip.getLinkButton().getToggleState());
}

// Link keeps each side's mute as it was, so a linked pair may hold two. Reading
// such a pair (at the panel's start, or when its unit is chosen) made the other
// side follow the mute the read had changed, and so changed the unit; loading a
// mix did the same to the file's mutes. A click still makes the other side follow.
TEST_F(StripTest, AReadOrALoadLeavesALinkedPairsMutesAsTheyAre) {
    setUnitKey(1, "Mute3.2", "0x70");
    setUnitKey(1, "Link1", "1");
    stChannel strip(unit_, state_, 1);
    strip.refreshFromUnit();
    pump(60);
    bool leftMuted = true, rightMuted = false;
    ASSERT_TRUE(unit_.GetMute(1, 1, leftMuted));
    ASSERT_TRUE(unit_.GetMute(1, 2, rightMuted));
    EXPECT_FALSE(leftMuted) << "the unit's left mute as it was";
    EXPECT_TRUE(rightMuted);
    EXPECT_FALSE(strip.getLeft().isMuted());
    EXPECT_TRUE(strip.getRight().isMuted());

    juce::PropertySet mix;
    strip.saveState(mix);
    mix.setValue("LeftMute1", 1);
    mix.setValue("RightMute1", 0);
    strip.loadState(mix);
    strip.loadState(mix);
    pump(60);
    EXPECT_TRUE(strip.getLeft().isMuted());
    EXPECT_FALSE(strip.getRight().isMuted()) << "the mix's mutes, each its own";

    strip.getLeft().setMuted(false);
    pump(60);
    EXPECT_FALSE(strip.getRight().isMuted());
    strip.getLeft().setMuted(true);
    pump(60);
    EXPECT_TRUE(strip.getRight().isMuted()) << "a switched mute is followed, each time";
    ASSERT_TRUE(unit_.GetMute(1, 2, rightMuted));
    EXPECT_TRUE(rightMuted);
}

// Link does not even out the faders either. Reading a pair that was linked
// into a strip that was linked already made each fader follow the other as it
// was set, so the unit's left fader ended at the right one's value.
TEST_F(StripTest, AReadLeavesALinkedPairsFadersAsTheUnitHasThem) {
    setUnitKey(1, "Volume3.1", "0xE500");
    setUnitKey(1, "Volume3.2", "0xC900");
    setUnitKey(1, "Link1", "1");
    stChannel strip(unit_, state_, 1);
    strip.getLinkButton().setToggleState(true);
    pump(60);
    strip.refreshFromUnit();
    pump(60);
    EXPECT_EQ(strip.getLeft().getFader(), 201.0);
    EXPECT_EQ(strip.getRight().getFader(), 145.0);
    int left = 0, right = 0;
    ASSERT_TRUE(unit_.GetVolume(1, 1, left));
    ASSERT_TRUE(unit_.GetVolume(1, 2, right));
    EXPECT_EQ(left, 201) << "the unit's faders as they were";
    EXPECT_EQ(right, 145);
    strip.getRight().setFader(30.0);
    EXPECT_EQ(strip.getLeft().getFader(), 30.0) << "a moved fader is still followed";
}

// A linked pair that loads an unlinked mix takes each side's own values: it is
// unlinked before they are set, and the pans from before the link stay away.
TEST_F(StripTest, LoadingAnUnlinkedMixIntoALinkedPairKeepsEachSidesValues) {
    stChannel strip(unit_, state_, 1);
    setPans(strip, 60.0, 70.0);
    strip.getLinkButton().setToggleState(true);
    pump(60);
    juce::PropertySet mix;
    mix.setValue("Leftfader1", "40");
    mix.setValue("LeftPan1", "10");
    mix.setValue("Rightfader1", "220");
    mix.setValue("RightPan1", "250");
    mix.setValue("RightMute1", "1");
    strip.loadState(mix);
    pump(60);
    EXPECT_EQ(strip.getLeft().getFader(), 40.0);
    EXPECT_EQ(strip.getRight().getFader(), 220.0);
    EXPECT_EQ(strip.getLeft().getPan(), 10.0);
    EXPECT_EQ(strip.getRight().getPan(), 250.0);
    EXPECT_FALSE(strip.getLeft().isMuted());
    EXPECT_TRUE(strip.getRight().isMuted());
    EXPECT_FALSE(strip.getLinkButton().getToggleState());
}

// Unit 1's pans, remembered when its pair was linked, never reach unit 2,
// whose pair was linked too; each unit gets its own back when unlinked.
TEST_F(StripTest, WhatALinkedPairRemembersBelongsToItsUnit) {
    setUnitKey(2, "Present", "1");
    setUnitKey(2, "Link1", "1");
    setUnitKey(2, "Balance3.1", "0xB700");
    setUnitKey(2, "Balance3.2", "0x4800");
    setUnitKey(2, "Mute3.1", "0x70");
    stChannel strip(unit_, state_, 1);
    setPans(strip, 100.0, 140.0);
    strip.getLinkButton().setToggleState(true);
    pump(60);

    ASSERT_TRUE(unit_.SelectUnit(1));
    strip.refreshFromUnit();
    pump(60);
    strip.getLinkButton().setToggleState(false);
    pump(60);
    int left = 0, right = 0;
    bool leftMuted = false;
    ASSERT_TRUE(unit_.GetBalance(1, 1, left));
    ASSERT_TRUE(unit_.GetBalance(1, 2, right));
    ASSERT_TRUE(unit_.GetMute(1, 1, leftMuted));
    EXPECT_EQ(left, 200) << "unit 2's own pans as read, not unit 1's 100";
    EXPECT_EQ(right, 55);
    EXPECT_TRUE(leftMuted);

    ASSERT_TRUE(unit_.SelectUnit(0));
    strip.refreshFromUnit();
    pump(60);
    EXPECT_EQ(strip.getLeft().getPan(), 0.0) << "unit 1 is still linked";
    strip.getLinkButton().setToggleState(false);
    pump(60);
    ASSERT_TRUE(unit_.GetBalance(1, 1, left));
    ASSERT_TRUE(unit_.GetBalance(1, 2, right));
    EXPECT_EQ(left, 100);
    EXPECT_EQ(right, 140);
}

}  // namespace

#include "ControlsTest.h"
#include "KnobCtl.h"

namespace {

class KnobTest : public ControlsTest {};

TEST_F(KnobTest, FreshKnobStartsAtZeroWithCircularDragAndClamps) {
    for (int kind : {0, 1, 2}) {
        KnobCtl knob(unit_, kind, 1, 1, true);
        ControlSlider& slider = knob.getSlider();
        const int size = kind == 0 ? 43 : kind == 1 ? 63 : 79;
        EXPECT_EQ(slider.getBounds(), juce::Rectangle<int>(0, 0, size, size)) << "kind " << kind;
        EXPECT_EQ(slider.getName(), "Knob");
        EXPECT_EQ(knob.getValue(), 0.0);
        EXPECT_EQ(slider.getSliderStyle(), juce::Slider::Rotary);
        EXPECT_EQ(slider.getTextBoxPosition(), juce::Slider::NoTextBox);
        const juce::Slider::RotaryParameters arc = slider.getRotaryParameters();
        EXPECT_NEAR(arc.startAngleRadians, 1.16 * juce::MathConstants<double>::pi, 1e-5);
        EXPECT_NEAR(arc.endAngleRadians, 2.85 * juce::MathConstants<double>::pi, 1e-5);
        EXPECT_TRUE(arc.stopAtEnd);
        EXPECT_FALSE(slider.getVelocityBasedMode());
    }
    KnobCtl knob(unit_, 0, 1, 1, true);
    knob.setValue(300.0);
    EXPECT_EQ(knob.getValue(), 255.0);
    knob.setValue(-5.0);
    EXPECT_EQ(knob.getValue(), 0.0);
    knob.setLinearDrag(true);
    EXPECT_EQ(knob.getSlider().getSliderStyle(), juce::Slider::RotaryVerticalDrag);
    knob.setLinearDrag(false);
    EXPECT_EQ(knob.getSlider().getSliderStyle(), juce::Slider::Rotary);
    EXPECT_TRUE(knob.getTooltip().isEmpty());
    knob.setTooltip("HeadPhone Output Level");
    EXPECT_EQ(knob.getTooltip(), "HeadPhone Output Level");
    EXPECT_EQ(knob.getSlider().getTooltip(), "HeadPhone Output Level")
        << "the tip shows over the slider, which is what the mouse is on";
    pump();
    EXPECT_EQ(sentFrames().size(), 1u) << "the clamped burst went out as one command";
}

TEST_F(KnobTest, TwoChangesWithinTenMillisecondsSendOneCommandWithTheLaterValue) {
    KnobCtl gain(unit_, 0, 1, 2, true);
    gain.setValue(100.0);
    gain.setValue(201.7);
    pump(100);
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0],
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x02, 0x02, 0x02, 0x0E, 0x80}))
        << "SetGain block 1, channel 2, 201 = +14.5 dB";

    KnobCtl level(unit_, 1, 2, 0, false);
    level.setValue(10.0);
    level.setValue(255.0);
    pump(100);
    frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0],
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x07, 0x10, 0x02, 0x00, 0x02, 0x02, 0x00, 0x00}))
        << "SetOutputVolume n = 2 is block 7 at 0 dB";
    EXPECT_EQ(unitSetting("Volume7.0"), "0x0000");
}

TEST_F(KnobTest, UserTurnsAreBroadcastButProgrammaticChangesAreNot) {
    KnobCtl knob(unit_, 0, 1, 1, true);
    knob.setSize(43, 43);
    ChangeCounter heard(knob);

    knob.setValue(50.0);
    pump();
    EXPECT_EQ(heard.count, 0);
    EXPECT_FALSE(knob.isChangedByUser());
    EXPECT_EQ(sentFrames().size(), 1u) << "a programmatic change still reaches the unit";

    ASSERT_TRUE(knob.getSlider().keyPressed(juce::KeyPress(juce::KeyPress::upKey)));
    pump();
    EXPECT_EQ(heard.count, 1);
    EXPECT_TRUE(knob.isChangedByUser());
    EXPECT_EQ(knob.getValue(), 53.0);
    EXPECT_EQ(sentFrames().size(), 1u);
}

TEST_F(KnobTest, ArrowAndPageKeysTurnTheKnobAndReachTheUnit) {
    KnobCtl knob(unit_, 0, 1, 1, true);
    ControlSlider& slider = knob.getSlider();
    const auto press = [&slider](int key, juce::ModifierKeys modifiers = {}) {
        return slider.keyPressed(juce::KeyPress(key, modifiers, 0));
    };
    knob.setValue(100.0);
    pump();
    sentFrames();

    EXPECT_TRUE(press(juce::KeyPress::upKey));
    EXPECT_EQ(knob.getValue(), 103.0);
    EXPECT_TRUE(press(juce::KeyPress::rightKey));
    EXPECT_TRUE(press(juce::KeyPress::pageUpKey));
    EXPECT_EQ(knob.getValue(), 131.0);
    EXPECT_TRUE(press(juce::KeyPress::downKey));
    EXPECT_TRUE(press(juce::KeyPress::pageDownKey));
    EXPECT_TRUE(press(juce::KeyPress::leftKey));
    EXPECT_EQ(knob.getValue(), 100.0);
    EXPECT_FALSE(press(juce::KeyPress::upKey, juce::ModifierKeys::ctrlModifier));
    EXPECT_FALSE(press('a'));
    EXPECT_EQ(knob.getValue(), 100.0);
    pump(100);
    std::vector<Frame> frames = sentFrames();
    ASSERT_EQ(frames.size(), 1u) << "the key burst is one command";
    EXPECT_EQ(frames[0],
              (Frame{0x00, 0x08, 0xB8, 0x81, 0x01, 0x10, 0x02, 0x01, 0x02, 0x02, 0xFC, 0x80}))
        << "100 = -3.5 dB";

    EXPECT_TRUE(press(juce::KeyPress::endKey));
    EXPECT_EQ(knob.getValue(), 255.0);
    EXPECT_TRUE(press(juce::KeyPress::upKey));
    EXPECT_EQ(knob.getValue(), 255.0) << "the keys stop at the end";
    EXPECT_TRUE(press(juce::KeyPress::homeKey));
    EXPECT_EQ(knob.getValue(), 0.0);

    knob.setEnabled(false);
    EXPECT_FALSE(press(juce::KeyPress::upKey));
    EXPECT_EQ(knob.getValue(), 0.0) << "a disabled knob ignores the keys";
}

TEST_F(KnobTest, KnobsOfOneKindShareOneImageThatOutlivesEitherKnob) {
    auto first = std::make_unique<KnobCtl>(unit_, 0, 1, 1, true);
    KnobCtl second(unit_, 0, 1, 2, true);
    KnobCtl master(unit_, 1, 2, 0, false);
    second.setSize(43, 43);
    EXPECT_EQ(first->getStyle().getKnobImage().getPixelData(),
              second.getStyle().getKnobImage().getPixelData());
    EXPECT_NE(master.getStyle().getKnobImage().getPixelData(),
              second.getStyle().getKnobImage().getPixelData());

    second.setValue(128.0);
    const juce::Image before = render(second);
    first.reset();
    juce::ImageCache::releaseUnusedImages();
    const juce::Image after = render(second);
    ASSERT_TRUE(second.getStyle().getKnobImage().isValid());
    for (int y = 0; y < 43; ++y)
        for (int x = 0; x < 43; ++x)
            ASSERT_EQ(after.getPixelAt(x, y), before.getPixelAt(x, y)) << x << "," << y;
}

TEST_F(KnobTest, DisabledKnobIsDrawnAtHalfOpacity) {
    KnobCtl knob(unit_, 1, 2, 0, false);
    knob.setSize(63, 63);
    knob.setValue(128.0);
    const juce::Image full = render(knob);
    knob.setEnabled(false);
    expectFaded(full, render(knob), 0.5f);
}

}  // namespace

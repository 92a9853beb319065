// The value readouts of the panel's controls and the peak numbers under its
// meters, in the running window's main component and shade strip.
#include "FocusMark.h"
#include "MainWindow.h"
#include "PanelTest.h"
#include "ValueText.h"

#include <algorithm>

#include <memory>
#include <vector>

namespace {

class ReadoutTest : public PanelTest {
protected:
    ~ReadoutTest() override { window_.reset(); }

    MainComp& open() {
        window_ = std::make_unique<MainWindow>(model_, false);
        EXPECT_TRUE(pumpUntil([&] { return main().getUnitSelect().getButton(0).isEnabled(); }));
        return main();
    }
    MainComp& main() { return window_->getMainComp(); }
    const ValueReadout& readout() { return main().getReadout(); }
    static juce::MouseEvent mouseOn(juce::Component& component) {
        return juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), {},
                                juce::ModifierKeys(), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component,
                                &component, juce::Time::getCurrentTime(), {},
                                juce::Time::getCurrentTime(), 0, false);
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(ReadoutTest, AControlShowsItsValueAboveItWhileDraggedOrHovered) {
    MainComp& comp = open();
    EXPECT_FALSE(readout().isVisible());
    ControlSlider& fader = comp.getMixer().getMain().getFaderSlider();
    fader.startedDragging();
    ASSERT_TRUE(readout().isVisible());
    EXPECT_EQ(readout().getText(), "0 dB");
    fader.setValue(200.0);
    EXPECT_EQ(readout().getText(), "-27 dB") << "it follows the value";
    const auto faderArea = comp.getLocalArea(&fader, fader.getLocalBounds());
    EXPECT_EQ(readout().getBottom(), faderArea.getY() - 2) << "just above the control";
    EXPECT_EQ(readout().getBounds().getCentreX(), faderArea.getCentreX());
    fader.stoppedDragging();
    EXPECT_FALSE(readout().isVisible());

    ControlSlider& pan = *comp.getMixer().getStrip(1).getLeft().getPanSlider();
    pan.mouseEnter(mouseOn(pan));
    EXPECT_EQ(readout().getText(), "C");
    pan.setValue(102.0);
    EXPECT_EQ(readout().getText(), "L 20 %");
    EXPECT_EQ(pan.getTextFromValue(pan.getValue()), "20 % left") << "a screen reader's words";
    pan.mouseExit(mouseOn(pan));
    EXPECT_FALSE(readout().isVisible());

    ControlButton& phantom = comp.getInput(1).getPhantomButton().getButton();
    phantom.mouseEnter(mouseOn(phantom));
    EXPECT_EQ(readout().getText(), "off");
    phantom.setToggleState(true, juce::sendNotificationSync);
    EXPECT_EQ(readout().getText(), "on");
    phantom.mouseExit(mouseOn(phantom));
    EXPECT_FALSE(readout().isVisible());
}

TEST_F(ReadoutTest, TheStripShowsReadoutsOfItsOwn) {
    open();
    window_->getShadeButton().setToggleState(true);
    pump();
    WinShadeComp* strip = window_->getWinShade();
    ASSERT_NE(strip, nullptr);
    ControlSlider& knob = strip->getMainKnob().getSlider();
    knob.startedDragging();
    EXPECT_TRUE(strip->getReadout().isVisible());
    EXPECT_EQ(strip->getReadout().getParentComponent(), strip);
    EXPECT_FALSE(main().getReadout().isVisible());
    knob.stoppedDragging();
    EXPECT_FALSE(strip->getReadout().isVisible());
}

// A peak with no marker on the meter (not fed yet, muted since the start, or
// too quiet to reach the meter's foot) has no number: it read "-111" before.
TEST_F(ReadoutTest, APeakBelowTheMeterHasNoNumber) {
    MainComp& comp = open();
    faderMod& mainModule = comp.getMixer().getMain();
    mainModule.showLevels(255.0, 255.0);
    EXPECT_GE(mainModule.getRightMeter().getBallistics().getPeak(),
              mainModule.getRightMeter().getHeight());
    EXPECT_EQ(mainModule.getPeakNumber().getText(), "");

    faderMod& strip = comp.getMixer().getStrip(2).getLeft();
    strip.showLevels(255.0, 200.0);
    const myMeters& meter = strip.getRightMeter();
    EXPECT_LT(meter.getBallistics().getPeak(), 255.0) << "the quiet signal moved the peak";
    EXPECT_GE(meter.getBallistics().getPeak(), meter.getHeight());
    EXPECT_EQ(strip.getPeakNumber().getText(), "");
    strip.showLevels(255.0, 60.0);
    EXPECT_LT(meter.getBallistics().getPeak(), meter.getHeight());
    EXPECT_EQ(strip.getPeakNumber().getText(), ValueText::peak(meter.getBallistics().getPeak()));
}

// The louder held peak of a module stands as a number by its meters, in whole
// decibels; it changes only when the number does.
TEST_F(ReadoutTest, MetersShowTheirHeldPeakAsANumber) {
    MainComp& comp = open();
    faderMod& strip = comp.getMixer().getStrip(1).getLeft();
    faderMod& mainModule = comp.getMixer().getMain();
    strip.showLevels(255.0, 50.0);
    EXPECT_EQ(strip.getPeakNumber().getText(),
              ValueText::peak(strip.getRightMeter().getBallistics().getPeak()));
    EXPECT_FALSE(strip.getPeakNumber().getText().isEmpty());
    mainModule.showLevels(10.0, 0.0);
    const MeterBallistics& left = mainModule.getLeftMeter()->getBallistics();
    const MeterBallistics& right = mainModule.getRightMeter().getBallistics();
    ASSERT_LT(std::min(left.getPeak(), right.getPeak()), mainModule.getRightMeter().getHeight());
    EXPECT_EQ(mainModule.getPeakNumber().getText(),
              ValueText::peak(std::min(left.getPeak(), right.getPeak())))
        << "the louder of the pair";
    EXPECT_LT(mainModule.getPeakNumber().getBottom(), mainModule.getRightMeter().getY())
        << "above the pair, whose L and R are printed under it";
    EXPECT_GT(strip.getPeakNumber().getY(), strip.getRightMeter().getBottom());

    // On the skin the number draws the skin under itself, and the panel no
    // longer does: the panel must look as when the skin was drawn under it.
    std::vector<PeakNumber*> numbers;
    for (faderMod* module : {&strip, &mainModule})
        for (juce::Component* child : module->getChildren())
            if (auto* number = dynamic_cast<PeakNumber*>(child))
                numbers.push_back(number);
    ASSERT_EQ(numbers.size(), 2u);
    for (PeakNumber* number : numbers) {
        EXPECT_TRUE(number->isOpaque());
        const juce::Rectangle<int> area = comp.getLocalArea(number, number->getLocalBounds());
        const juce::Image drawn = comp.createComponentSnapshot(area);
        number->setOpaque(false);
        const juce::Image underlaid = comp.createComponentSnapshot(area);
        number->setOpaque(true);
        int differing = 0;
        for (int y = 0; y < drawn.getHeight(); ++y)
            for (int x = 0; x < drawn.getWidth(); ++x)
                differing += drawn.getPixelAt(x, y) != underlaid.getPixelAt(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << number->getText();
    }
}

// A number is drawn once and then copied from its picture: the copy must be
// the skin with that number on it, for each number, after a change back, and
// where the number stands after a move.
TEST_F(ReadoutTest, PeakNumbersAreTheSkinWithTheirNumberOnIt) {
    MainComp& comp = open();
    faderMod& strip = comp.getMixer().getStrip(1).getLeft();
    PeakNumber* number = nullptr;
    for (juce::Component* child : strip.getChildren())
        if (auto* found = dynamic_cast<PeakNumber*>(child))
            number = found;
    ASSERT_NE(number, nullptr);
    const auto shown = [&] {
        return comp.createComponentSnapshot(comp.getLocalArea(number, number->getLocalBounds()));
    };
    const auto expected = [&](bool clip) {
        const juce::Rectangle<int> area = comp.getLocalArea(number, number->getLocalBounds());
        number->setVisible(false);
        juce::Image image = comp.createComponentSnapshot(area);
        number->setVisible(true);
        juce::Graphics g(image);
        g.setColour(clip ? juce::Colour(0xFFE8402A) : FocusMark::colour());
        g.setFont(juce::Font(10.0f, juce::Font::bold));
        g.drawText(number->getText(), image.getBounds(), juce::Justification::centred, false);
        return image;
    };
    const auto differing = [](const juce::Image& a, const juce::Image& b) {
        int count = 0;
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                count += a.getPixelAt(x, y) != b.getPixelAt(x, y) ? 1 : 0;
        return count;
    };

    number->setPeak(40.0);
    const juce::String forty = number->getText();
    const juce::Image first = shown();
    EXPECT_EQ(differing(first, expected(false)), 0) << forty;
    number->setPeak(90.0);
    ASSERT_NE(number->getText(), forty);
    EXPECT_GT(differing(shown(), first), 0) << "the new number, not the last picture";
    EXPECT_EQ(differing(shown(), expected(false)), 0) << number->getText();
    number->setPeak(40.0);
    EXPECT_EQ(differing(shown(), first), 0) << "the kept picture again";
    number->setPeak(5.5);
    const juce::String zero = number->getText();
    EXPECT_EQ(differing(shown(), expected(false)), 0) << zero;
    number->setPeak(0.5);
    ASSERT_EQ(number->getText(), zero);
    EXPECT_EQ(differing(shown(), expected(true)), 0) << "the same number, red in the clip zone";

    number->setTopLeftPosition(number->getPosition() + juce::Point<int>(3, 1));
    EXPECT_EQ(differing(shown(), expected(true)), 0) << "the skin where it now stands";
}

}  // namespace

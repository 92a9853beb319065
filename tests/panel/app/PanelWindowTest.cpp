// The main window and its main component against the simulated bus: units
// coming and going, the window-shade mode, the knob-motion menu, mixes.
#include "KnobMotion.h"
#include "MainWindow.h"
#include "MixFile.h"
#include "PanelTest.h"
#include "RegistryValue.h"
#include "SimUnitSettings.h"
#include "XWindowState.h"

#include <memory>

namespace {

class PanelWindowTest : public PanelTest {
protected:
    MainWindow& open(bool onDesktop = false) {
        window_.reset();
        models_.push_back(std::make_unique<CDeviceModel>());
        window_ = std::make_unique<MainWindow>(*models_.back(), onDesktop);
        return *window_;
    }
    ~PanelWindowTest() override { window_.reset(); }

    MainComp& main() { return window_->getMainComp(); }
    CDeviceModel& model() { return *models_.back(); }
    bool veiled() { return main().getNoDevice().isVisible() && !main().isEnabled(); }
    bool unitButtonsRead() { return main().getUnitSelect().getButton(0).isEnabled(); }
    static bool dragsUpAndDown(KnobCtl& knob) {
        return knob.getSlider().getSliderStyle() == juce::Slider::RotaryVerticalDrag;
    }
    // The tick marks of the "Knob Motion" submenu: circular, linear.
    std::pair<bool, bool> motionTicks() {
        juce::PopupMenu menu = main().createKnobMotionMenu();
        juce::PopupMenu::MenuItemIterator items(menu);
        EXPECT_TRUE(items.next());
        EXPECT_EQ(items.getItem().text, "Knob Motion");
        juce::PopupMenu::MenuItemIterator motion(*items.getItem().subMenu);
        std::pair<bool, bool> ticks;
        EXPECT_TRUE(motion.next());
        EXPECT_EQ(motion.getItem().itemID, 3);
        EXPECT_EQ(motion.getItem().text, "Circular");
        ticks.first = motion.getItem().isTicked;
        EXPECT_TRUE(motion.next());
        EXPECT_EQ(motion.getItem().itemID, 4);
        EXPECT_EQ(motion.getItem().text, "Linear");
        ticks.second = motion.getItem().isTicked;
        return ticks;
    }

    std::vector<std::unique_ptr<CDeviceModel>> models_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(PanelWindowTest, WithoutADriverTheVeilTakesEveryClick) {
    setDriverKey("Present", "0");
    MainWindow& window = open();
    EXPECT_EQ(window.getName(), "LUMORA 1394 Control Panel");
    EXPECT_EQ(window.getBounds().getWidth(), 725);
    EXPECT_EQ(window.getHeight(), 615);
    EXPECT_EQ(window.getTitleBarHeight(), 23);
    pump(200);
    EXPECT_TRUE(veiled());
    EXPECT_EQ(main().getNoDevice().getBounds(), juce::Rectangle<int>(0, 0, 725, 620));
    const auto phono = main().getPhonoButton().getBounds().getCentre();
    EXPECT_EQ(main().getComponentAt(phono), &main().getNoDevice());
    EXPECT_FALSE(main().getPhonoButton().getButton().isEnabled());
    EXPECT_EQ(main().getControlPanel().getSampleRateBox().getText(), "No Device");
    EXPECT_FALSE(main().getControlPanel().getSampleRateBox().isEnabled());
    juce::ComboBox& rateBox = main().getControlPanel().getSampleRateBox();
    const auto rate = main().getLocalPoint(&rateBox, rateBox.getLocalBounds().getCentre());
    juce::Component* hit = main().getComponentAt(rate);
    EXPECT_TRUE(hit == &rateBox || rateBox.isParentOf(hit)) << "the selectors lie above the veil";
    EXPECT_TRUE(sentFrames().empty());
}

TEST_F(PanelWindowTest, AUnitPluggedInWhileRunningLiftsTheVeilAndShowsItsSettings) {
    setUnitKey(1, "Present", "0");
    setUnitKey(1, "Volume7.0", "0xE500");
    setUnitKey(1, "Phono", "1");
    open();
    pump(100);
    EXPECT_TRUE(veiled());
    setUnitKey(1, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return !veiled() && unitButtonsRead(); }));
    EXPECT_FALSE(main().getNoDevice().isVisible());
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 201.0);
    EXPECT_TRUE(main().getPhonoButton().getToggleState());
    EXPECT_EQ(main().getUnitSelect().getButton(0).getButtonText(), "Unit 1");
}

TEST_F(PanelWindowTest, TheOnlyUnitUnpluggedAndPluggedBack) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    EXPECT_FALSE(veiled());
    setUnitKey(1, "Present", "0");
    ASSERT_TRUE(pumpUntil([&] { return veiled(); }));
    SimUnitSettings::instance().flush();
    setUnitKey(1, "Volume7.0", "0xD800");
    setUnitKey(1, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return !veiled() && unitButtonsRead(); }));
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 175.0) << "read after the re-open";
}

TEST_F(PanelWindowTest, TwoUnitsSelectTheFirstAfterEveryConfigurationChange) {
    setUnitKey(2, "Present", "1");
    open();
    UnitSelect& units = main().getUnitSelect();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    EXPECT_EQ(units.getButton(1).getButtonText(), "Unit 2");
    EXPECT_FALSE(units.getButton(2).isEnabled());
    EXPECT_EQ(units.getButton(3).getButtonText(), "");
    units.getButton(1).setToggleState(true, juce::sendNotification);
    EXPECT_EQ(model().SelectedUnit, 1u);

    setUnitKey(3, "Present", "1");
    ASSERT_TRUE(pumpUntil([&] { return units.getButton(2).isEnabled(); }));
    EXPECT_EQ(model().SelectedUnit, 0u);
    EXPECT_TRUE(units.getButton(0).getToggleState());
    EXPECT_FALSE(units.getButton(1).getToggleState());
}

TEST_F(PanelWindowTest, KnobMotionMenuTicksTheChoiceAndStoresItsText) {
    const RegistryValue stored(KnobMotion::kValuePath);
    open();
    EXPECT_EQ(motionTicks(), std::make_pair(true, false));
    EXPECT_EQ(stored.read("none"), "none") << "nothing is written at start";
    EXPECT_FALSE(dragsUpAndDown(main().getHeadphoneKnob()));

    main().knobMotionChosen(0);
    EXPECT_EQ(stored.read("none"), "none") << "a dismissed menu changes nothing";
    main().knobMotionChosen(4);
    EXPECT_EQ(stored.read("none"), "Linear");
    EXPECT_TRUE(dragsUpAndDown(main().getHeadphoneKnob()));
    EXPECT_TRUE(dragsUpAndDown(main().getInput(2).getKnob()));
    EXPECT_TRUE(dragsUpAndDown(main().getLineKnobs().getOuterKnob()));
    EXPECT_FALSE(window_->getPanelState().getCircularKnobs());

    open();
    EXPECT_EQ(motionTicks(), std::make_pair(false, true)) << "after a restart";
    EXPECT_TRUE(dragsUpAndDown(main().getInput(1).getKnob()));

    ASSERT_TRUE(stored.write("linear"));
    open();
    EXPECT_EQ(motionTicks(), std::make_pair(true, false));
    EXPECT_FALSE(dragsUpAndDown(main().getHeadphoneKnob())) << "\"linear\" is neither choice";
    main().knobMotionChosen(3);
    EXPECT_EQ(stored.read("none"), "Circular");
}

TEST_F(PanelWindowTest, WindowShadeEnteredAndLeftTwice) {
    MainWindow& window = open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    MainComp* const mainComp = &main();
    main().knobMotionChosen(4);
    pump();
    sentFrames();

    window.getShadeButton().setToggleState(true);
    pump();
    const auto frames = sentFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), kVendorCommand4);
    ASSERT_NE(window.getWinShade(), nullptr);
    EXPECT_EQ(window.getContentComponent(), window.getWinShade());
    EXPECT_EQ(window.getHeight(), 159);
    EXPECT_TRUE(dragsUpAndDown(window.getWinShade()->getMainKnob())) << "Linear was chosen";
    window.getWinShade()->getHeadphoneKnob().setValue(201.0);
    pump();

    window.getShadeButton().setToggleState(false);
    pump();
    EXPECT_EQ(window.getWinShade(), nullptr);
    EXPECT_EQ(&main(), mainComp);
    EXPECT_EQ(window.getContentComponent(), mainComp);
    EXPECT_EQ(window.getBounds().getHeight(), 620);
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 201.0) << "re-read from the unit";

    main().getHeadphoneKnob().setValue(151.0);
    pump();
    window.getShadeButton().setToggleState(true);
    pump();
    ASSERT_NE(window.getWinShade(), nullptr);
    EXPECT_DOUBLE_EQ(window.getWinShade()->getHeadphoneKnob().getValue(), 151.0)
        << "a new strip reads the unit";
    window.getShadeButton().setToggleState(false);
    pump();
    EXPECT_EQ(window.getContentComponent(), mainComp);
    EXPECT_EQ(window.getHeight(), 620);
}

TEST_F(PanelWindowTest, WindowShadeWithoutAUnitIsIgnored) {
    setUnitKey(1, "Present", "0");
    MainWindow& window = open();
    pump(100);
    window.getShadeButton().setToggleState(true);
    pump();
    EXPECT_EQ(window.getWinShade(), nullptr);
    EXPECT_EQ(window.getHeight(), 615);
}

TEST_F(PanelWindowTest, AMixSavedAsTextBecomesAnImxFileAndAForeignOneChangesNothing) {
    open();
    ASSERT_TRUE(pumpUntil([&] { return unitButtonsRead(); }));
    main().getHeadphoneKnob().setValue(127.5);
    main().getPhonoButton().setToggleState(true);
    const juce::File folder(dir_.file("mixes"));
    ASSERT_TRUE(folder.createDirectory());
    ASSERT_TRUE(main().saveMixTo(folder.getChildFile("Mix.txt")));
    const juce::File mix = folder.getChildFile("Mix.imx");
    ASSERT_TRUE(mix.existsAsFile());
    juce::MemoryBlock bytes;
    ASSERT_TRUE(mix.loadFileAsData(bytes));
    const Frame head(static_cast<const uint8_t*>(bytes.getData()),
                     static_cast<const uint8_t*>(bytes.getData()) + 23);
    EXPECT_EQ(head, (Frame{'P', 'R', 'O', 'P', 31,  0,   0,   0,   'P', 'h', 'o', 'n',
                           'o', 0,   '1', 0,   'H', 'e', 'a', 'd', 'P', 'h', 'o'}));

    main().getHeadphoneKnob().setValue(3.0);
    main().loadMixFrom(mix);
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 127.5);

    const juce::File foreign = folder.getChildFile("foreign.imx");
    ASSERT_TRUE(foreign.replaceWithText("JUNKJUNKJUNK"));
    const double mainFader = main().getMixer().getMain().getFader();
    main().loadMixFrom(foreign);
    juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
    EXPECT_TRUE(main().getPhonoButton().getToggleState());
    EXPECT_DOUBLE_EQ(main().getHeadphoneKnob().getValue(), 127.5);
    EXPECT_DOUBLE_EQ(main().getMixer().getMain().getFader(), mainFader);
}

// The window on the screen of the virtual X server. Always-on-top is set on
// the window the panel has: its native id stays the same.
TEST_F(PanelWindowTest, AlwaysOnTop) {
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X server";
    MainWindow& window = open(true);
    pump(200);
    ASSERT_NE(window.getPeer(), nullptr);
    EXPECT_TRUE(window.getPeer()->getStyleFlags() & juce::ComponentPeer::windowAppearsOnTaskbar);
    EXPECT_FALSE(window.getPeer()->getStyleFlags() & juce::ComponentPeer::windowHasTitleBar);
    void* const nativeWindow = window.getPeer()->getNativeHandle();
    window.getAlwaysOnTopButton().setToggleState(true);
    pump();
    ASSERT_NE(window.getPeer(), nullptr);
    EXPECT_EQ(window.getPeer()->getNativeHandle(), nativeWindow);
    if (XWindowState::windowManagerRuns()) {
        EXPECT_TRUE(pumpUntil([&] { return XWindowState::isAbove(nativeWindow); }));
    }
    window.getAlwaysOnTopButton().setToggleState(false);
    pump();
    EXPECT_EQ(window.getPeer()->getNativeHandle(), nativeWindow);
    if (XWindowState::windowManagerRuns()) {
        EXPECT_TRUE(pumpUntil([&] { return !XWindowState::isAbove(nativeWindow); }));
    }
}

// Minimising is the window manager's; without one the window stays as it is.
TEST_F(PanelWindowTest, MinimizeMinimisesAndRestores) {
    if (juce::SystemStats::getEnvironmentVariable("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "needs an X server";
    MainWindow& window = open(true);
    pump(200);
    ASSERT_NE(window.getPeer(), nullptr);
    window.getMinimizeButton().setToggleState(true);
    if (!pumpUntil([&] { return window.getPeer()->isMinimised(); }))
        GTEST_SKIP() << "no window manager minimises windows here";
    window.getMinimizeButton().setToggleState(false);
    EXPECT_TRUE(pumpUntil([&] { return !window.getPeer()->isMinimised(); }));
    window.getMinimizeButton().setToggleState(true);
    EXPECT_TRUE(pumpUntil([&] { return window.getPeer()->isMinimised(); })) << "each press toggles";
}

}  // namespace

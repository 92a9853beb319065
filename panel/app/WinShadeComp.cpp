#include "WinShadeComp.h"

#include "AvcUnit.h"
#include "MainComp.h"
#include "MixMod.h"
#include "PanelState.h"
#include "SkinData.h"
#include "SkinImage.h"

WinShadeComp::WinShadeComp(AvcUnit& unit, const PanelState& state)
    : unit_(unit),
      background_(SkinImage::cached(SkinData::winshade4_jpg, SkinData::winshade4_jpgSize)),
      phonoLook_(SkinData::phonoon_png, SkinData::phonoon_pngSize, SkinData::buttonoff_png,
                 SkinData::buttonoff_pngSize, SkinData::phonodown_png, SkinData::phonodown_pngSize),
      muteLook_(SkinData::stereooff_png, SkinData::stereooff_pngSize, SkinData::stereoon_png,
                SkinData::stereoon_pngSize, SkinData::stereodown_png, SkinData::stereodown_pngSize),
      phono_(phonoLook_, "Phono"),
      mainMute_(muteLook_, "MainMute"),
      input1_(unit, 1),
      input2_(unit, 2),
      mainVolume_(unit, KnobStyle::MasterKnob, 1, 0, false),
      line_(unit),
      headphones_(unit, KnobStyle::SmallKnob, 2, 0, false) {
    setSize(kWidth, kHeight);
    placeChildren();
    addChildComponent(noDevice_);
    noDevice_.setBounds(getLocalBounds());
    addChildComponent(readout_);
    setOpaque(true);
    applyMotion(state.getCircularKnobs());
    unitsChanged();
}

WinShadeComp::~WinShadeComp() {
    phono_.removeActionListener(this);
    mainMute_.removeActionListener(this);
}

void WinShadeComp::placeChildren() {
    addAndMakeVisible(input1_);
    input1_.setBounds(0, 0, 165, 131);
    addAndMakeVisible(input2_);
    input2_.setBounds(input1_.getWidth(), 0, 178, 131);
    addAndMakeVisible(phono_);
    phono_.setBounds(470, 35, phonoLook_.getImageWidth(), phonoLook_.getImageHeight());
    phono_.setTooltip("Use this to swtich between line and phono input");
    phono_.addActionListener(this);
    addAndMakeVisible(line_);
    line_.setBounds(376, 25, 75, 75);
    addAndMakeVisible(mainVolume_);
    mainVolume_.setBounds(543, 33, 100, 100);
    mainVolume_.setSkewFactor(7.0);
    addAndMakeVisible(mainMute_);
    mainMute_.setBounds(610, 28, muteLook_.getImageWidth(), muteLook_.getImageHeight());
    mainMute_.addActionListener(this);
    addAndMakeVisible(headphones_);
    headphones_.setBounds(654, 44, 43, 43);
    headphones_.setSkewFactor(7.0);
}

void WinShadeComp::applyMotion(bool circular) {
    mainVolume_.setLinearDrag(!circular);
    headphones_.setLinearDrag(!circular);
    line_.setLinearDrag(!circular);
    input1_.setLinearDrag(!circular);
    input2_.setLinearDrag(!circular);
}

void WinShadeComp::showReadout(const juce::Component& control, const juce::String& text) {
    readout_.showFor(control, text);
}

void WinShadeComp::hideReadout(const juce::Component& control) {
    readout_.hideFor(control);
}

void WinShadeComp::unitsChanged() {
    const bool present = unit_.GetUnitCount() != 0;
    showUnitPresence(present);
    if (present)
        refreshFromUnit();
}

void WinShadeComp::showUnitPresence(bool present) {
    setEnabled(present);
    noDevice_.setVisible(!present);
}

void WinShadeComp::paint(juce::Graphics& g) {
    g.fillAll(juce::Colour(0xFFC7C7C7));
    SkinImage::draw(g, background_, {});
}

void WinShadeComp::refreshFromUnit() {
    const AvcUnit::Refresh refresh(unit_);
    bool phono = false;
    if (!unit_.GetPhono(phono))
        phono = false;
    int headphoneLevel = 128;
    if (!unit_.GetOutputVolume(2, 0, headphoneLevel))
        headphoneLevel = 128;
    int mainLevel = 128;
    if (!unit_.GetOutputVolume(1, 0, mainLevel))
        mainLevel = 128;
    bool muted = false;
    if (!unit_.GetMute(4, 0, muted))
        muted = false;
    mainVolume_.setValue(mainLevel);
    mainMute_.setToggleState(muted);
    headphones_.setValue(headphoneLevel);
    input1_.refreshFromUnit();
    input2_.refreshFromUnit();
    phono_.setToggleState(phono);
    line_.refreshFromUnit();
}

void WinShadeComp::saveState(juce::PropertySet& mix) {
    MixKeys::write(mix, MainComp::kMixKeys[0], 0, phono_.getToggleState());
    MixKeys::write(mix, MainComp::kMixKeys[1], 0, headphones_.getValue());
    MixKeys::write(mix, MixMod::kMixKeys[MixMod::MainFader], 0, mainVolume_.getValue());
    MixKeys::write(mix, MixMod::kMixKeys[MixMod::MainMute], 0, mainMute_.getToggleState());
    input1_.saveState(mix);
    input2_.saveState(mix);
    line_.saveState(mix);
}

void WinShadeComp::loadState(const juce::PropertySet& mix) {
    phono_.setToggleState(MixKeys::readSwitch(mix, MainComp::kMixKeys[0], 0));
    headphones_.setValue(MixKeys::readNumber(mix, MainComp::kMixKeys[1], 0));
    mainVolume_.setValue(MixKeys::readNumber(mix, MixMod::kMixKeys[MixMod::MainFader], 0));
    mainMute_.setToggleState(MixKeys::readSwitch(mix, MixMod::kMixKeys[MixMod::MainMute], 0));
    input1_.loadState(mix);
    input2_.loadState(mix);
    line_.loadState(mix);
}

void WinShadeComp::actionListenerCallback(const juce::String& message) {
    if (message == "Phono")
        phonoSender_.send();
    else if (message == "MainMute")
        muteSender_.send();
}

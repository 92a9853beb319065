#include "HarnessView.h"

#include "DeviceModel.h"
#include "SkinData.h"
#include "SkinImage.h"

HarnessView::HarnessView()
    : background_(SkinImage::decoded(SkinData::background_jpg, SkinData::background_jpgSize)),
      input1_(unit_, 1),
      input2_(unit_, 2),
      mixer_(unit_, state_) {
    setSize(718, 589);
    input1_.setBounds(98, 423, 178, 131);
    input2_.setBounds(311, 423, 178, 131);
    mixer_.setBounds(74, 190, 620, 208);
    addAndMakeVisible(input1_);
    addAndMakeVisible(input2_);
    addAndMakeVisible(mixer_);
    mixer_.addActionListener(this);
    refreshFromUnit();
}

HarnessView::~HarnessView() {
    mixer_.removeActionListener(this);
}

void HarnessView::paint(juce::Graphics& g) {
    g.fillAll(juce::Colours::black);
    SkinImage::draw(g, background_, {});
}

void HarnessView::refreshFromUnit() {
    AvcUnit::Refresh refresh(unit_);
    input1_.refreshFromUnit();
    input2_.refreshFromUnit();
    mixer_.refreshFromUnit();
}

void HarnessView::actionListenerCallback(const juce::String& message) {
    if (message != "ConfigChange")
        return;
    unit_.SelectUnit(0);
    refreshFromUnit();
}

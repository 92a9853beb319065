#include "FirmwarePanel.h"

#include "UpdaterLook.h"

namespace {

const char* const kNoFile =
    "No file chosen: choose one, or drop a firmware file (.tvd) on this window.";

}  // namespace

FirmwarePanel::FirmwarePanel() {
    choose_.setTitle("Choose firmware file");
    choose_.setDescription("Opens the file dialog to choose a firmware file (.tvd)");
    choose_.onClick = [this] { chooseFile(); };
    choose_.setExplicitFocusOrder(2);
    addAndMakeVisible(choose_);
    path_.setText(kNoFile, juce::dontSendNotification);
    path_.setTitle("Firmware file");
    path_.setMinimumHorizontalScale(0.6f);
    addAndMakeVisible(path_);
    addValue(firmwareCaption_, firmware_, "Firmware");
    addValue(hardwareCaption_, hardware_, "Hardware");
    addValue(dateCaption_, date_, "Date");
    notesCaption_.setText("Release notes", juce::dontSendNotification);
    notesCaption_.setColour(juce::Label::textColourId, UpdaterLook::text().withAlpha(0.65f));
    addAndMakeVisible(notesCaption_);
    notes_.setMultiLine(true, true);
    notes_.setReadOnly(true);
    notes_.setScrollbarsShown(true);
    notes_.setCaretVisible(false);
    notes_.setTitle("Release notes");
    notes_.setExplicitFocusOrder(3);
    addAndMakeVisible(notes_);
    verdict_.setTitle("Verdict");
    verdict_.setJustificationType(juce::Justification::topLeft);
    verdict_.setFont(juce::Font(15.0f, juce::Font::bold));
    addAndMakeVisible(verdict_);
}

FirmwarePanel::~FirmwarePanel() = default;

void FirmwarePanel::addValue(juce::Label& caption, juce::Label& value, const juce::String& name) {
    caption.setText(name, juce::dontSendNotification);
    caption.setColour(juce::Label::textColourId, UpdaterLook::text().withAlpha(0.65f));
    value.setTitle(name);
    value.setFont(juce::Font(15.0f, juce::Font::bold));
    addAndMakeVisible(caption);
    addAndMakeVisible(value);
}

void FirmwarePanel::resized() {
    auto area = getLocalBounds();
    auto top = area.removeFromTop(28);
    choose_.setBounds(top.removeFromLeft(140));
    path_.setBounds(top.withTrimmedLeft(10));
    area.removeFromTop(8);
    verdict_.setBounds(area.removeFromBottom(58));
    auto left = area.removeFromLeft(300);
    for (const auto& pair :
         {std::make_pair(&firmwareCaption_, &firmware_),
          std::make_pair(&hardwareCaption_, &hardware_), std::make_pair(&dateCaption_, &date_)}) {
        auto row = left.removeFromTop(24);
        pair.first->setBounds(row.removeFromLeft(80));
        pair.second->setBounds(row);
    }
    area.removeFromLeft(10);
    notesCaption_.setBounds(area.removeFromTop(20));
    notes_.setBounds(area.withTrimmedBottom(6));
}

void FirmwarePanel::chooseFile() {
    chooser_ = std::make_unique<juce::FileChooser>("Choose a firmware file", juce::File(), "*.tvd");
    chooser_->launchAsync(
        juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
        [this](const juce::FileChooser& chooser) {
            const juce::File file = chooser.getResult();
            if (file != juce::File() && onFileChosen)
                onFileChosen(file);
        });
}

void FirmwarePanel::showFile(const juce::File& file) {
    path_.setText(file.getFullPathName(), juce::dontSendNotification);
    for (auto* value : {&firmware_, &hardware_, &date_})
        value->setText({}, juce::dontSendNotification);
    notes_.clear();
    showChecking();
}

void FirmwarePanel::showFacts(const FirmwareFacts& facts) {
    firmware_.setText(facts.FirmwareText(), juce::dontSendNotification);
    hardware_.setText(facts.HardwareText(), juce::dontSendNotification);
    date_.setText(facts.date, juce::dontSendNotification);
    notes_.setText(facts.notes, false);
}

void FirmwarePanel::showChecking() {
    verdict_.setColour(juce::Label::textColourId, UpdaterLook::text());
    verdict_.setText("Asking the library about this file...", juce::dontSendNotification);
}

void FirmwarePanel::showNoUnit() {
    verdict_.setColour(juce::Label::textColourId, UpdaterLook::text());
    verdict_.setText("No unit chosen: the file is checked once a unit is listed and chosen.",
                     juce::dontSendNotification);
}

void FirmwarePanel::showVerdict(const FirmwareVerdict& verdict, const UnitSummary& unit) {
    juce::String text = FirmwareCheck::Summary(verdict, unit);
    for (const std::string& reason : verdict.reasons)
        text << "\n" << (verdict.accepted ? "Note: " : "") << juce::String(reason);
    verdict_.setColour(juce::Label::textColourId,
                       verdict.accepted ? UpdaterLook::good() : UpdaterLook::bad());
    verdict_.setText(text, juce::dontSendNotification);
}

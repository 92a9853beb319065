#pragma once
#include "FirmwareCheck.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

// The firmware file: the button that opens the file dialog, the file's name,
// what the library says of it (version and build, hardware, date, release
// notes) and whether the library accepts it for the chosen unit, and if not
// why, in words.
class FirmwarePanel : public juce::Component {
public:
    FirmwarePanel();
    ~FirmwarePanel() override;

    void showFile(const juce::File& file);
    void showFacts(const FirmwareFacts& facts);
    void showChecking();
    void showVerdict(const FirmwareVerdict& verdict, const UnitSummary& unit);
    void showNoUnit();

    juce::TextButton& getChooseButton() { return choose_; }
    juce::Label& getVerdict() { return verdict_; }
    juce::Label& getFirmware() { return firmware_; }
    juce::TextEditor& getNotes() { return notes_; }

    // A file chosen in the dialog.
    std::function<void(const juce::File&)> onFileChosen;

    void resized() override;

private:
    void chooseFile();
    void addValue(juce::Label& caption, juce::Label& value, const juce::String& name);

    juce::TextButton choose_{"Choose file..."};
    juce::Label path_;
    juce::Label firmwareCaption_, hardwareCaption_, dateCaption_, notesCaption_;
    juce::Label firmware_, hardware_, date_;
    juce::TextEditor notes_;
    juce::Label verdict_;
    std::unique_ptr<juce::FileChooser> chooser_;
};

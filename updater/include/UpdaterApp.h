#pragma once
#include "FwdlApi.h"
#include "PanelState.h"
#include "QuitOnTerminate.h"
#include "ScreenshotSteps.h"
#include "UpdaterWindow.h"
#include "UpdaterLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// lumora_update as JUCE starts and stops it:
//   lumora_update [--library PATH] [--screenshots DIR] [FILE]
// FILE is chosen at start. "--screenshots DIR" updates the first unit with
// FILE unattended, writes file.png, running.png and done.png into DIR, prints
// their paths and ends: 0 when all three were written and the update
// succeeded, 1 otherwise. 2 when the download library cannot be loaded.
class UpdaterApp : public juce::JUCEApplication {
public:
    static constexpr int kNoLibrary = 2;

    UpdaterApp() = default;
    ~UpdaterApp() override = default;

    void initialise(const juce::String& commandLine) override;
    void shutdown() override;
    const juce::String getApplicationName() override { return "Lumora Firmware Update"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void systemRequestedQuit() override;

private:
    void refuseToStart(const std::string& error, bool unattended);

    PanelState state_;
    UpdaterLook look_{state_};
    FwdlApi api_;
    std::unique_ptr<UpdaterWindow> window_;
    std::unique_ptr<ScreenshotSteps> screenshots_;
    QuitOnTerminate quitOnTerminate_;
};

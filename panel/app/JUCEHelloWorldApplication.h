#pragma once
#include "MainWindow.h"
#include "QuitOnTerminate.h"
#include "ScreenshotRun.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The control panel as JUCE starts and stops it. One panel per user is kept
// by the program's entry before JUCE starts (see PanelMain); a later start
// reaches anotherInstanceStarted here. Two options serve the run script and
// the benchmark: "--screenshots DIR" writes pictures of both views and ends,
// "--report-events" prints "first frame" once the window is painted and
// "another instance started" on each hand-over. "--scale N" (1, 1.5, 2) sizes
// the panel for this run instead of the remembered size. "--osc-port N" lets
// OSC clients and lumoractl on this computer set every control.
class JUCEHelloWorldApplication : public juce::JUCEApplication {
public:
    JUCEHelloWorldApplication() = default;
    ~JUCEHelloWorldApplication() override = default;

    void initialise(const juce::String& commandLine) override;
    void shutdown() override;
    const juce::String getApplicationName() override { return "Brantel Lumora Control"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    // The per-user hand-over in front of JUCE keeps the panel single; JUCE's
    // own check would be machine-wide here and cannot reach the first panel.
    bool moreThanOneInstanceAllowed() override { return true; }
    void anotherInstanceStarted(const juce::String& commandLine) override;

    MainWindow* getMainWindow() { return window_.get(); }

private:
    bool startRemote(const juce::StringArray& args);

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ScreenshotRun> screenshots_;
    bool reportEvents_ = false;
    QuitOnTerminate quitOnTerminate_;
};

#pragma once
// The updater's window against a private simulated bus, driven as a person
// would: choosing units and files, clicking, answering its questions.
#include "LibraryRun.h"
#include "UpdaterWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

class UpdaterWindowTest : public LibraryRun {
protected:
    ~UpdaterWindowTest() override;

    UpdaterWindow& open(bool onDesktop = false);
    UpdateComp& content() { return window_->getContent(); }

    static bool haveDisplay();
    static void pump(int milliseconds = 20);
    // Runs the message loop until the condition holds, at most the limit.
    static bool pumpUntil(const std::function<bool()>& condition, int limitMs = 5000);
    // The question on the screen, or null.
    static juce::AlertWindow* question();
    static void pressKey(int keyCode);
    // Clicks the answer with this text in the question on the screen.
    static void clickAnswer(const juce::String& text);

    // A file with an image this long, for downloads slow enough to watch.
    std::string LongFile(size_t imageBytes);
    // Chooses the file and waits for the library's verdict.
    bool chooseFile(const std::string& path);
    // Clicks Update, checks the question and confirms it with Return.
    void clickUpdateAndConfirm();
    // Waits for the end of the update and the unit read back after it.
    uint32_t waitForEnd(int limitMs = 20000);

    std::unique_ptr<UpdaterWindow> window_;
    int closes_ = 0;
};

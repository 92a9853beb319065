#include "UpdaterApp.h"

#include <cstdio>

namespace {

// The value after an option, empty when the option is absent.
juce::String optionValue(const juce::StringArray& args, const juce::String& option) {
    const int at = args.indexOf(option);
    return at >= 0 ? args[at + 1].unquoted() : juce::String();
}

// The first argument that is neither an option nor an option's value.
juce::String fileArgument(const juce::StringArray& args) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--library" || args[i] == "--screenshots")
            ++i;
        else if (!args[i].startsWith("--"))
            return args[i].unquoted();
    }
    return {};
}

juce::File fromHere(const juce::String& path) {
    return juce::File::getCurrentWorkingDirectory().getChildFile(path);
}

}  // namespace

void UpdaterApp::initialise(const juce::String& commandLine) {
    juce::LookAndFeel::setDefaultLookAndFeel(&look_);
    const juce::StringArray args = juce::StringArray::fromTokens(commandLine, true);
    const juce::String folder = optionValue(args, "--screenshots");
    const juce::String library = optionValue(args, "--library");
    std::string error;
    if (!api_.Load(library.isEmpty() ? FwdlApi::DefaultPath() : library.toStdString(), error)) {
        refuseToStart(error, folder.isNotEmpty());
        return;
    }
    window_ = std::make_unique<UpdaterWindow>(api_);
    window_->onClose = [] { quit(); };
    const juce::String file = fileArgument(args);
    if (file.isNotEmpty())
        window_->getContent().setFile(fromHere(file));
    if (folder.isEmpty())
        return;
    screenshots_ = std::make_unique<ScreenshotSteps>(
        *window_, fromHere(folder), [this](const juce::StringArray& written, bool updated) {
            for (const juce::String& path : written)
                std::printf("%s\n", path.toRawUTF8());
            std::fflush(stdout);
            setApplicationReturnValue(written.size() == 3 && updated ? 0 : 1);
            quit();
        });
}

// Without the library there is nothing to update: say so and end.
void UpdaterApp::refuseToStart(const std::string& error, bool unattended) {
    std::fprintf(stderr, "lumora_update: %s\n", error.c_str());
    setApplicationReturnValue(kNoLibrary);
    if (unattended) {
        quit();
        return;
    }
    juce::AlertWindow::showAsync(juce::MessageBoxOptions()
                                     .withIconType(juce::MessageBoxIconType::WarningIcon)
                                     .withTitle("The download library is missing")
                                     .withMessage("The updater cannot start: " + error +
                                                  ".\n\nInstall the Lumora software again.")
                                     .withButton("Close"),
                                 [](int) { quit(); });
}

// A request to end (the session ends, SIGTERM) goes the way of the close
// button, so that a running update is not cut off without asking.
void UpdaterApp::systemRequestedQuit() {
    if (window_ != nullptr)
        window_->closeButtonPressed();
    else
        quit();
}

void UpdaterApp::shutdown() {
    screenshots_.reset();
    window_.reset();
    juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
}

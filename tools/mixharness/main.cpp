#include "DeviceModel.h"
#include "HarnessOptions.h"
#include "HarnessWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>
#include <memory>

namespace {

class MixHarnessApp : public juce::JUCEApplication {
public:
    const juce::String getApplicationName() override { return "mixharness"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise(const juce::String&) override {
        HarnessOptions options;
        std::string error;
        std::vector<std::string> arguments;
        for (const juce::String& argument : getCommandLineParameterArray())
            arguments.push_back(argument.toStdString());
        if (!options.parse(arguments, error)) {
            std::cerr << "mixharness: " << error << "\n" << HarnessOptions::usage();
            setApplicationReturnValue(2);
            quit();
            return;
        }
        if (options.help) {
            std::cout << HarnessOptions::usage();
            quit();
            return;
        }
        TheDeviceModel().ConnectAtStart();
        window_ = std::make_unique<HarnessWindow>(options.seconds, options.screenshot);
    }

    void shutdown() override { window_.reset(); }

private:
    std::unique_ptr<HarnessWindow> window_;
};

}  // namespace

START_JUCE_APPLICATION(MixHarnessApp)

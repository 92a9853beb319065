#include "JUCEHelloWorldApplication.h"

#include "DesktopScale.h"
#include "PanelSize.h"

#include <cstdio>

namespace {

// The value after an option, empty when the option is absent.
juce::String optionValue(const juce::StringArray& args, const juce::String& option) {
    const int at = args.indexOf(option);
    return at >= 0 ? args[at + 1] : juce::String();
}

void report(const char* event) {
    std::printf("%s\n", event);
    std::fflush(stdout);
}

}  // namespace

void JUCEHelloWorldApplication::initialise(const juce::String& commandLine) {
    const juce::StringArray args = juce::StringArray::fromTokens(commandLine, true);
    const juce::String scale = optionValue(args, "--scale");
    const std::optional<int> size =
        args.contains("--scale") ? PanelSize::fromScale(scale) : PanelSize::readStored();
    if (!size) {
        std::fprintf(stderr, "lumora_panel: --scale takes 1, 1.5 or 2\n");
        setApplicationReturnValue(2);
        quit();
        return;
    }
    PanelSize::followDesktop(DesktopScale::read());
    PanelSize::apply(*size, nullptr);
    window_ = std::make_unique<MainWindow>();
    if (!startRemote(args)) {
        setApplicationReturnValue(2);
        quit();
        return;
    }
    reportEvents_ = args.contains("--report-events");
    if (reportEvents_)
        window_->whenFirstPainted([] { report("first frame"); });
    const juce::String folder = optionValue(args, "--screenshots").unquoted();
    if (folder.isEmpty())
        return;
    const juce::File dir = juce::File::getCurrentWorkingDirectory().getChildFile(folder);
    screenshots_ =
        std::make_unique<ScreenshotRun>(*window_, dir, [this](const juce::StringArray& written) {
            for (const juce::String& path : written)
                std::printf("%s\n", path.toRawUTF8());
            std::fflush(stdout);
            setApplicationReturnValue(written.size() == 2 ? 0 : 1);
            quit();
        });
}

// "--osc-port N" listens on N for this run; without it the remembered choice holds.
bool JUCEHelloWorldApplication::startRemote(const juce::StringArray& args) {
    RemoteHost* remote = window_->getRemote();
    if (!args.contains("--osc-port")) {
        remote->listenAsRemembered();
        return true;
    }
    const juce::String port = optionValue(args, "--osc-port");
    if (port.containsOnly("0123456789") && port.isNotEmpty() && remote->listen(port.getIntValue()))
        return true;
    std::fprintf(stderr, "lumora_panel: cannot listen for remote control on port \"%s\"\n",
                 port.toRawUTF8());
    return false;
}

void JUCEHelloWorldApplication::shutdown() {
    screenshots_.reset();
    window_.reset();
}

void JUCEHelloWorldApplication::anotherInstanceStarted(const juce::String&) {
    if (window_ == nullptr)
        return;
    if (reportEvents_)
        report("another instance started");
    if (auto* peer = window_->getPeer(); peer != nullptr && peer->isMinimised())
        peer->setMinimised(false);
    window_->toFront(true);
}

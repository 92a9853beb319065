#include "PanelMain.h"

#include "JUCEHelloWorldApplication.h"
#include "SingleInstance.h"

#include <cstdio>

namespace {

juce::JUCEApplicationBase* createApplication() {
    return new JUCEHelloWorldApplication();
}

juce::String commandLineOf(int argc, char* argv[]) {
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(juce::String(argv[i]).quoted());
    return args.joinIntoString(" ");
}

}  // namespace

int PanelMain::run(int argc, char* argv[]) {
    // The hand-over's callbacks are posted to the message thread: this one.
    juce::MessageManager::getInstance();
    SingleInstance instance(SingleInstance::userRuntimeFolder(), "lumora_panel");
    switch (instance.start(commandLineOf(argc, argv))) {
    case SingleInstance::Start::HandedOver: return 0;
    case SingleInstance::Start::NoAnswer:
        std::fprintf(stderr, "lumora_panel: a panel is running but does not answer\n");
        return 1;
    case SingleInstance::Start::First: break;
    }
    instance.anotherInstanceStarted = [](const juce::String& commandLine) {
        if (auto* app = juce::JUCEApplicationBase::getInstance())
            app->anotherInstanceStarted(commandLine);
    };
    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main(argc, const_cast<const char**>(argv));
}

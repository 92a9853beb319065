// Takes a panel's place in the single-instance tests: the first start prints
// "first" and then every command line handed over to it; a later start prints
// what became of it and ends. The command line "quit" ends the first.
//
// usage: single_instance_helper FOLDER NAME [COMMAND LINE]
#include "SingleInstance.h"

#include <juce_events/juce_events.h>

#include <cstdio>

namespace {

constexpr int kLongestRunMs = 60000;

void say(const juce::String& line) {
    std::printf("%s\n", line.toRawUTF8());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: single_instance_helper FOLDER NAME [COMMAND LINE]\n");
        return 2;
    }
    juce::ScopedJuceInitialiser_GUI juce;
    juce::String commandLine = argc > 3 ? juce::String(argv[3]) : juce::String();
    SingleInstance instance(juce::File(argv[1]), argv[2]);
    switch (instance.start(commandLine)) {
    case SingleInstance::Start::HandedOver: say("handed over"); return 3;
    case SingleInstance::Start::NoAnswer: say("no answer"); return 4;
    case SingleInstance::Start::First: break;
    }
    bool quit = false;
    instance.anotherInstanceStarted = [&quit](const juce::String& line) {
        say("another: " + line);
        quit = line == "quit";
    };
    say("first");
    auto end = juce::Time::getMillisecondCounter() + kLongestRunMs;
    while (!quit && juce::Time::getMillisecondCounter() < end)
        juce::MessageManager::getInstance()->runDispatchLoopUntil(20);
    return quit ? 0 : 1;
}

#pragma once
#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

// One panel per user. The first start holds a lock file and listens on a
// local socket whose port and key it writes beside the lock; a later start
// finds the lock taken, sends its command line there and, once the first has
// answered, ends. The lock goes with its process, so a killed panel leaves
// nothing that stops the next start.
class SingleInstance {
public:
    enum class Start {
        First,       // this process is the panel; anotherInstanceStarted may follow
        HandedOver,  // a running panel took the command line: end at once
        NoAnswer,    // a panel holds the lock but did not answer in time
    };

    // The lock and the socket's address live in the folder under the name.
    SingleInstance(juce::File folder, juce::String name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // $XDG_RUNTIME_DIR, else a folder of the user's own in the temporary folder.
    static juce::File userRuntimeFolder();

    Start start(const juce::String& commandLine);

    // Called on the message thread of the first instance with the command
    // line of each later start.
    std::function<void(const juce::String& commandLine)> anotherInstanceStarted;

private:
    class Server;
    class Client;

    bool becomeFirst();
    bool handOver(const juce::String& commandLine);
    void announce(const juce::String& commandLine);

    juce::File folder_;
    juce::String name_;
    std::unique_ptr<juce::InterProcessLock> lock_;
    std::unique_ptr<Server> server_;
    std::shared_ptr<SingleInstance*> self_;
};

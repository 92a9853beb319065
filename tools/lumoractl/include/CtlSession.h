#pragma once
#include "CtlClient.h"
#include "CtlOptions.h"

#include <atomic>
#include <map>
#include <ostream>
#include <string>

// One run of lumoractl: the command carried out against the panel, what it
// prints, and the exit code (0 done, 1 refused, 3 no panel answering).
class CtlSession {
public:
    enum Exit { Done = 0, Refused = 1, Usage = 2, NoPanel = 3 };
    static constexpr int kAnswerMilliseconds = 1000;

    CtlSession(const CtlOptions& options, std::ostream& out, std::ostream& err);

    Exit run(const std::atomic<bool>& interrupted);

private:
    Exit get();
    Exit list();
    Exit set();
    Exit watch(const std::atomic<bool>& interrupted);
    Exit request(const juce::OSCMessage& message, const std::string& address,
                 const std::string& what);
    // Asks for every value; false when the panel did not answer in time.
    bool dump(std::map<std::string, int>& values, std::string* refused = nullptr);
    Exit refuse(const std::string& text);
    Exit noPanel();
    void print(const std::string& name, int value);

    const CtlOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    CtlClient client_;
};

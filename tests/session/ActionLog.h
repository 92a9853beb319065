#pragma once
#include "Action.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

// The session's record: one line per action, its time in seconds from the
// start and its text ("12.345 click 120 340 1"), and notes on what followed
// as lines starting with '#'. Read back, the action lines replay the session.
class ActionLog {
public:
    struct Entry {
        double seconds = 0;
        Action action;
    };

    ActionLog() = default;
    ~ActionLog();
    ActionLog(const ActionLog&) = delete;
    ActionLog& operator=(const ActionLog&) = delete;

    bool open(const std::string& path);
    void action(double seconds, const Action& action);
    void note(double seconds, const std::string& text);
    // The last lines written, for a failure's report.
    const std::deque<std::string>& tail() const { return tail_; }

    // The actions of a log; false when a line is neither a note nor an action.
    static bool read(const std::string& path, std::vector<Entry>& entries, std::string& error);

private:
    void line(const std::string& text);

    std::FILE* file_ = nullptr;
    std::deque<std::string> tail_;
};

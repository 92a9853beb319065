#include "ActionLog.h"

#include <fstream>
#include <sstream>

namespace {

constexpr size_t kTailLines = 40;

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

}  // namespace

ActionLog::~ActionLog() {
    if (file_ != nullptr)
        std::fclose(file_);
}

bool ActionLog::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void ActionLog::action(double seconds, const Action& action) {
    line(secondsText(seconds) + " " + action.text());
}

void ActionLog::note(double seconds, const std::string& text) {
    line("# " + secondsText(seconds) + " " + text);
}

// Flushed at once: the log must hold the last action when the panel brings
// the session down with it.
void ActionLog::line(const std::string& text) {
    if (file_ != nullptr) {
        std::fprintf(file_, "%s\n", text.c_str());
        std::fflush(file_);
    }
    tail_.push_back(text);
    if (tail_.size() > kTailLines)
        tail_.pop_front();
}

bool ActionLog::read(const std::string& path, std::vector<Entry>& entries, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#')
            continue;
        std::istringstream fields(text);
        Entry entry;
        std::string rest;
        if (!(fields >> entry.seconds)) {
            error = path + ":" + std::to_string(number) + ": no time";
            return false;
        }
        std::getline(fields, rest);
        std::optional<Action> action = Action::parse(rest);
        if (!action) {
            error = path + ":" + std::to_string(number) + ": no action";
            return false;
        }
        entry.action = *action;
        entries.push_back(entry);
    }
    return true;
}

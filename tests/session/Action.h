#pragma once
#include <optional>
#include <string>
#include <vector>

// One thing the session does to the panel or the bus, as a line of the action
// log: a verb and its words, e.g. "click 120 340 1" or "bus unplug 2". The
// same text read back from a log replays the action.
struct Action {
    std::string verb;
    std::vector<std::string> words;

    std::string text() const;
    static std::optional<Action> parse(const std::string& text);

    // The word at an index as a number; 0 when it is missing or not a number.
    int number(size_t index) const;
    std::string word(size_t index) const { return index < words.size() ? words[index] : ""; }
};

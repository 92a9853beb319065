#include "Action.h"

#include <cstdlib>
#include <sstream>

std::string Action::text() const {
    std::string line = verb;
    for (const std::string& w : words)
        line += " " + w;
    return line;
}

std::optional<Action> Action::parse(const std::string& text) {
    std::istringstream in(text);
    Action action;
    if (!(in >> action.verb))
        return std::nullopt;
    std::string w;
    while (in >> w)
        action.words.push_back(w);
    return action;
}

int Action::number(size_t index) const {
    const std::string w = word(index);
    char* end = nullptr;
    const long value = std::strtol(w.c_str(), &end, 10);
    return (w.empty() || *end != '\0') ? 0 : int(value);
}

#include "IniText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return std::string();
    size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

std::string unquote(const std::string& value) {
    if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                              (value.front() == '\'' && value.back() == '\'')))
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

bool IniText::sameName(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::string IniText::quoteIfNeeded(const std::string& value) {
    bool edges = !value.empty() && (std::isspace(static_cast<unsigned char>(value.front())) ||
                                    std::isspace(static_cast<unsigned char>(value.back())) ||
                                    value.front() == '"' || value.front() == '\'');
    return edges ? "\"" + value + "\"" : value;
}

IniText IniText::parse(const std::string& text) {
    IniText doc;
    std::istringstream in(text);
    std::string raw;
    std::vector<Line>* target = &doc.preamble_;
    while (std::getline(in, raw)) {
        std::string line = trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string::npos) {
            std::string name = trim(line.substr(1, line.find(']') - 1));
            Section* existing = doc.find(name);
            if (existing == nullptr) {
                doc.sections_.push_back(Section{name, {}});
                existing = &doc.sections_.back();
            }
            target = &existing->lines;
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || line.front() == ';' || line.front() == '#') {
            if (!line.empty())
                target->push_back(Line{line, std::string(), false});
            continue;
        }
        target->push_back(Line{trim(line.substr(0, eq)), trim(line.substr(eq + 1)), true});
    }
    return doc;
}

std::string IniText::serialize() const {
    std::string out;
    auto writeLines = [&out](const std::vector<Line>& lines) {
        for (const Line& line : lines)
            out += line.isEntry ? line.key + "=" + line.value + "\n" : line.key + "\n";
    };
    writeLines(preamble_);
    for (const Section& section : sections_) {
        out += "[" + section.name + "]\n";
        writeLines(section.lines);
    }
    return out;
}

const IniText::Section* IniText::find(const std::string& name) const {
    for (const Section& section : sections_)
        if (sameName(section.name, name))
            return &section;
    return nullptr;
}

IniText::Section* IniText::find(const std::string& name) {
    return const_cast<Section*>(static_cast<const IniText*>(this)->find(name));
}

std::optional<std::string> IniText::get(const std::string& section, const std::string& key) const {
    const Section* s = find(section);
    if (s == nullptr)
        return std::nullopt;
    for (const Line& line : s->lines)
        if (line.isEntry && sameName(line.key, key))
            return unquote(line.value);
    return std::nullopt;
}

std::string IniText::get(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
    std::optional<std::string> value = get(section, key);
    return value ? *value : fallback;
}

bool IniText::hasControlCharacter(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

void IniText::set(const std::string& section, const std::string& key, const std::string& value) {
    addSection(section);
    Section* s = find(section);
    for (Line& line : s->lines) {
        if (line.isEntry && sameName(line.key, key)) {
            line.value = value;
            return;
        }
    }
    s->lines.push_back(Line{key, value, true});
}

void IniText::addSection(const std::string& section) {
    if (find(section) == nullptr)
        sections_.push_back(Section{section, {}});
}

bool IniText::remove(const std::string& section, const std::string& key) {
    Section* s = find(section);
    if (s == nullptr)
        return false;
    auto it = std::find_if(s->lines.begin(), s->lines.end(), [&](const Line& line) {
        return line.isEntry && sameName(line.key, key);
    });
    if (it == s->lines.end())
        return false;
    s->lines.erase(it);
    return true;
}

bool IniText::removeSection(const std::string& section) {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return sameName(s.name, section); });
    if (it == sections_.end())
        return false;
    sections_.erase(it);
    return true;
}

bool IniText::hasSection(const std::string& section) const {
    return find(section) != nullptr;
}

std::vector<std::string> IniText::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> IniText::keyNames(const std::string& section) const {
    std::vector<std::string> names;
    if (const Section* s = find(section))
        for (const Line& line : s->lines)
            if (line.isEntry)
                names.push_back(line.key);
    return names;
}

#pragma once
#include <optional>
#include <string>
#include <vector>

// An INI document with the rules of the Windows profile functions: sections
// and keys match without regard to case, values are trimmed, and lines that
// are not entries (comments) survive a rewrite.
class IniText {
public:
    static IniText parse(const std::string& text);
    std::string serialize() const;

    std::optional<std::string> get(const std::string& section, const std::string& key) const;
    std::string get(const std::string& section, const std::string& key,
                    const std::string& fallback) const;
    void set(const std::string& section, const std::string& key, const std::string& value);
    void addSection(const std::string& section);
    bool remove(const std::string& section, const std::string& key);
    bool removeSection(const std::string& section);

    bool hasSection(const std::string& section) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(const std::string& section) const;

    static bool sameName(const std::string& a, const std::string& b);
    // Bytes below 0x20 and 0x7F: a line break in a name or value would end
    // the line and start a new entry or section.
    static bool hasControlCharacter(const std::string& text);
    // Quotes a value whose blanks at either end would otherwise be trimmed away.
    static std::string quoteIfNeeded(const std::string& value);

private:
    struct Line {
        std::string key;
        std::string value;
        bool isEntry = true;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    const Section* find(const std::string& name) const;
    Section* find(const std::string& name);

    std::vector<Line> preamble_;
    std::vector<Section> sections_;
};

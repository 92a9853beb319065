#pragma once
#include "IniText.h"

#include <iosfwd>
#include <string>

// The bus as a person reads it.
class BusView {
public:
    static void print(std::ostream& out, const IniText& bus, const std::string& path);
    static void printKeys(std::ostream& out);

private:
    static void printDriver(std::ostream& out, const IniText& bus);
    static void printUnit(std::ostream& out, const IniText& bus, int slot);
};

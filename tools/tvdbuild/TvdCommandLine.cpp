#include "TvdCommandLine.h"

#include "InputFile.h"
#include "TvdDescriber.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

const char kUsage[] =
    "usage: tvdbuild make -o FILE [options]   package a firmware build\n"
    "       tvdbuild describe FILE            show what a firmware image file holds\n"
    "       tvdbuild --help\n"
    "\n"
    "make options (numbers in decimal or with 0x in hexadecimal):\n"
    "  -o, --output FILE         file to write\n"
    "  --file-version 0|1        header layout (default 0)\n"
    "  --image FILE              image 1 (program or bootloader)\n"
    "  --address N               target address of image 1 (needed with --image)\n"
    "  --cne FILE                CnE data\n"
    "  --info TEXT               info text (needs --image or --cne)\n"
    "  --info-file FILE          info text read from a file\n"
    "  --firmware-version N      firmware version\n"
    "  --firmware-build N        firmware build\n"
    "  --hardware N              compatible hardware version (the unit's model id)\n"
    "  --vendor N                24-bit node vendor id: bytes 1 to 3 of the unit's GUID\n"
    "  --info-word N             free header word\n"
    "  --date YYYYMMDD           build date (default: today)\n"
    "  --time HHMMSS             build time (default: now)\n"
    "\n"
    "describe exits with 0 for a sound file, 1 for a damaged one, 2 when it cannot read it.\n";

bool AllDigits(const std::string& text, size_t count) {
    return text.size() == count &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Digits(const std::string& text, size_t at, size_t count) {
    return std::stoi(text.substr(at, count));
}

// YYYYMMDD naming a day of the Gregorian calendar.
bool ValidDate(const std::string& text) {
    if (!AllDigits(text, 8))
        return false;
    int year = Digits(text, 0, 4), month = Digits(text, 4, 2), day = Digits(text, 6, 2);
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month < 1 || month > 12 || day < 1)
        return false;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// HHMMSS of a 24-hour clock.
bool ValidTime(const std::string& text) {
    return AllDigits(text, 6) && Digits(text, 0, 2) < 24 && Digits(text, 2, 2) < 60 &&
           Digits(text, 4, 2) < 60;
}

bool KnownOption(const std::string& name) {
    static const char* const kOptions[] = {"-o",
                                           "--output",
                                           "--file-version",
                                           "--image",
                                           "--address",
                                           "--cne",
                                           "--info",
                                           "--info-file",
                                           "--hardware",
                                           "--firmware-version",
                                           "--firmware-build",
                                           "--vendor",
                                           "--date",
                                           "--time",
                                           "--info-word"};
    return std::find(std::begin(kOptions), std::end(kOptions), name) != std::end(kOptions);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out.flush());
}

}  // namespace

int TvdCommandLine::Run(const std::vector<std::string>& args) {
    if (args.empty())
        return Fail("missing command (try --help)");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return Ok;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "make")
        return Make(rest);
    if (args[0] == "describe")
        return Describe(rest);
    return Fail("unknown command '" + args[0] + "' (try --help)");
}

int TvdCommandLine::Make(const std::vector<std::string>& args) {
    TvdContent content;
    SetDefaultDateAndTime(content);
    std::string out, error;
    std::vector<uint8_t> file;
    if (!ParseMake(args, content, out, error) || !TvdBuilder::Build(content, file, error))
        return Fail(error);
    if (!WriteFile(out, file))
        return Fail("cannot write '" + out + "'");
    std::cout << "wrote " << out << ": file version " << content.fileVersion << ", " << file.size()
              << " bytes\n";
    return Ok;
}

int TvdCommandLine::Describe(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Fail("describe takes one file name");
    std::vector<uint8_t> bytes;
    std::string error;
    if (!InputFile::Read(args[0], bytes, error))
        return Fail(error);
    TvdDescriber describer(args[0], bytes);
    std::cout << describer.Text();
    return describer.Valid() ? Ok : DamagedFile;
}

bool TvdCommandLine::ParseMake(const std::vector<std::string>& args, TvdContent& content,
                               std::string& out, std::string& error) {
    for (size_t i = 0; i < args.size(); i += 2) {
        if (!KnownOption(args[i])) {
            error = "unknown option '" + args[i] + "' (try --help)";
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "option '" + args[i] + "' needs a value";
            return false;
        }
        if (!ParseOption(args[i], args[i + 1], content, out, error))
            return false;
    }
    if (out.empty())
        error = "no output file given (-o FILE)";
    else if (content.hasImage && !std::count(args.begin(), args.end(), "--address"))
        error = "--image needs --address";
    return error.empty();
}

bool TvdCommandLine::ParseOption(const std::string& name, const std::string& value,
                                 TvdContent& content, std::string& out, std::string& error) {
    struct NumberOption {
        const char* name;
        uint32_t* field;
    };
    const NumberOption numbers[] = {{"--file-version", &content.fileVersion},
                                    {"--address", &content.imageAddress},
                                    {"--firmware-version", &content.firmwareVersion},
                                    {"--firmware-build", &content.firmwareBuild},
                                    {"--hardware", &content.hardwareVersion},
                                    {"--vendor", &content.vendorId},
                                    {"--info-word", &content.infoWord}};
    for (const NumberOption& option : numbers)
        if (name == option.name) {
            if (!ParseNumber(value, *option.field))
                error = "option '" + name + "': '" + value + "' is not a 32-bit number";
            return error.empty();
        }
    std::vector<uint8_t> bytes;
    if (name == "-o" || name == "--output")
        out = value;
    else if (name == "--date" && !ValidDate(value))
        error = "option '--date': '" + value + "' is not a date YYYYMMDD";
    else if (name == "--date")
        content.date = value;
    else if (name == "--time" && !ValidTime(value))
        error = "option '--time': '" + value + "' is not a time HHMMSS";
    else if (name == "--time")
        content.time = value;
    else if (name == "--info")
        content.infoText = value;
    else if (!InputFile::Read(value, bytes, error))
        return false;
    else if (name == "--image")
        content.hasImage = true, content.image = bytes;
    else if (name == "--cne")
        content.hasCnE = true, content.cne = bytes;
    else
        content.infoText.assign(bytes.begin(), bytes.end());
    return error.empty();
}

bool TvdCommandLine::ParseNumber(const std::string& text, uint32_t& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    char* end = nullptr;
    errno = 0;
    unsigned long long number = std::strtoull(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || number > 0xFFFFFFFFull)
        return false;
    value = uint32_t(number);
    return true;
}

void TvdCommandLine::SetDefaultDateAndTime(TvdContent& content) {
    std::time_t now = std::time(nullptr);
    char date[16] = "", time[16] = "";
    if (const std::tm* local = std::localtime(&now)) {
        std::strftime(date, sizeof date, "%Y%m%d", local);
        std::strftime(time, sizeof time, "%H%M%S", local);
    }
    content.date = date;
    content.time = time;
}

int TvdCommandLine::Fail(const std::string& message) {
    std::cerr << "tvdbuild: " << message << "\n";
    return BadUsage;
}

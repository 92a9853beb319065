#include "SimBus.h"

#include "FileLock.h"
#include "SimKeys.h"
#include "TextFile.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

SimBus::Stamp stampOf(const struct stat& info) {
    return {uint64_t(info.st_dev),        uint64_t(info.st_ino),         int64_t(info.st_size),
            int64_t(info.st_mtim.tv_sec), int64_t(info.st_mtim.tv_nsec), true};
}

// A stamp that matches no file when the file cannot be looked at.
SimBus::Stamp stampOf(const std::string& file) {
    struct stat info;
    if (::stat(file.c_str(), &info) != 0)
        return {};
    return stampOf(info);
}

}  // namespace

SimBus& SimBus::instance() {
    static SimBus bus;
    return bus;
}

std::string SimBus::path() {
    const char* explicitPath = std::getenv("TVC_SIM_BUS");
    if (explicitPath != nullptr && *explicitPath != '\0')
        return explicitPath;
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && *state != '\0')
        return std::string(state) + "/lumora/sim-bus.ini";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/tmp") + "/.local/state/lumora/sim-bus.ini";
}

std::string SimBus::filePath() {
    return TextFile::resolve(path());
}

std::string SimBus::problem() {
    std::string file = filePath();
    std::string reason = TextFile::problem(file);
    return file + (reason.empty() ? std::string() : ": " + reason);
}

IniText SimBus::defaults() {
    IniText bus;
    for (const SimKey& key : SimKeys::driverKeys())
        bus.set(SimKeys::kDriverSection, key.name, key.defaultValue);
    for (int slot = 1; slot <= SimKeys::kUnitSlots; ++slot)
        for (const SimKey& key : SimKeys::unitKeys())
            bus.set(SimKeys::unitSection(slot), key.name, SimKeys::unitDefault(slot, key.name));
    return bus;
}

bool SimBus::createIfMissing(const std::string& file) {
    if (TextFile::exists(file))
        return true;
    if (!TextFile::makeParentFolders(file))
        return false;
    FileLock guard(file, true);
    return TextFile::exists(file) || TextFile::writeAtomic(file, defaults().serialize());
}

// Looking at the file at most once a millisecond keeps a request's cost to a
// few microseconds: a download sends thousands of them a second. When the path
// names the plain file read last, as for every poll of the panel's meters, a
// look is a read of the folder's change events, or one lstat after a change.
std::shared_ptr<const IniText> SimBus::snapshot() {
    std::string given = path();
    std::lock_guard<std::mutex> guard(lock_);
    auto now = std::chrono::steady_clock::now();
    if (cached_ && given == cachedGivenPath_ && now - lastCheck_ < std::chrono::milliseconds(1))
        return cached_;
    lastCheck_ = now;
    if (cached_ && given == cachedPath_ && watch_.unchanged(given, now))
        return cached_;
    watch_.look(given, now);
    if (cached_ && given == cachedPath_ && unchangedPlainFile(given))
        return cached_;
    std::shared_ptr<const IniText> fresh = reload(given);
    if (!fresh || cachedPath_ != given)
        watch_.forget();
    return fresh;
}

// With the object's lock held.
std::shared_ptr<const IniText> SimBus::reload(const std::string& given) {
    std::string file = TextFile::resolve(given);
    Stamp stamp = stampOf(file);
    if (cached_ && file == cachedPath_ && stamp == cachedStamp_) {
        cachedGivenPath_ = given;
        return cached_;
    }
    if (!TextFile::readProblem(file).empty())
        return nullptr;
    if (!stamp.exists) {
        if (!createIfMissing(file))
            return nullptr;
        stamp = stampOf(file);
    }
    std::string text;
    {
        FileLock shared(file, false);
        stamp = stampOf(file);
        if (!TextFile::read(file, text))
            return nullptr;
    }
    cached_ = std::make_shared<const IniText>(IniText::parse(text));
    cachedGivenPath_ = given;
    cachedPath_ = file;
    cachedStamp_ = stamp;
    return cached_;
}

std::shared_ptr<const IniText> SimBus::lastSnapshot() {
    std::lock_guard<std::mutex> guard(lock_);
    return cached_;
}

bool SimBus::unchangedPlainFile(const std::string& file) const {
    struct stat info;
    return ::lstat(file.c_str(), &info) == 0 && !S_ISLNK(info.st_mode) &&
           stampOf(info) == cachedStamp_;
}

// Called with the file lock released: a reader holds this object's lock
// while it waits for the file lock.
void SimBus::invalidate() {
    std::lock_guard<std::mutex> guard(lock_);
    lastCheck_ = std::chrono::steady_clock::time_point();
}

bool SimBus::update(const std::function<void(IniText&)>& change) {
    std::string file = filePath();
    if (!TextFile::problem(file).empty() || !createIfMissing(file))
        return false;
    bool written = false;
    {
        FileLock exclusive(file, true);
        std::string text;
        if (!exclusive.held() || !TextFile::read(file, text))
            return false;
        IniText bus = IniText::parse(text);
        change(bus);
        written = TextFile::writeAtomic(file, bus.serialize());
    }
    invalidate();
    return written;
}

bool SimBus::reset() {
    std::string file = filePath();
    if (!TextFile::problem(file).empty() || !TextFile::makeParentFolders(file))
        return false;
    bool written = false;
    {
        FileLock exclusive(file, true);
        written = TextFile::writeAtomic(file, defaults().serialize());
    }
    invalidate();
    return written;
}

bool SimBus::parseNumber(const std::string& text, uint64_t& value) {
    if (text.empty())
        return false;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* digits = text.c_str() + (hex ? 2 : 0);
    if (*digits == '\0' || *digits == '-' || *digits == '+' || *digits == ' ')
        return false;
    char* end = nullptr;
    value = std::strtoull(digits, &end, hex ? 16 : 10);
    return *end == '\0';
}

std::string SimBus::driverValue(const IniText& bus, const std::string& key) {
    std::optional<std::string> value = bus.get(SimKeys::kDriverSection, key);
    return value ? *value : SimKeys::driverDefault(key);
}

std::string SimBus::unitValue(const IniText& bus, int slot, const std::string& key) {
    std::optional<std::string> value = bus.get(SimKeys::unitSection(slot), key);
    return value ? *value : SimKeys::unitDefault(slot, key);
}

uint64_t SimBus::driverNumber(const IniText& bus, const std::string& key) {
    uint64_t value = 0;
    if (!parseNumber(driverValue(bus, key), value))
        parseNumber(SimKeys::driverDefault(key), value);
    return value;
}

uint64_t SimBus::unitNumber(const IniText& bus, int slot, const std::string& key) {
    uint64_t value = 0;
    if (!parseNumber(unitValue(bus, slot, key), value))
        parseNumber(SimKeys::unitDefault(slot, key), value);
    return value;
}

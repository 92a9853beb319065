#include "SessionWorld.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

extern char** environ;

namespace {

const char* const kFolders[] = {"runtime", "config", "state", "cache", "data", "home"};

}  // namespace

SessionWorld::SessionWorld() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/panel_session.XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        return;
    folder_ = pattern;
    std::error_code error;
    for (const char* name : kFolders)
        std::filesystem::create_directory(file(name), error);
    std::filesystem::permissions(file("runtime"), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, error);
}

SessionWorld::~SessionWorld() {
    std::error_code error;
    if (ready() && !keep_)
        std::filesystem::remove_all(folder_, error);
}

std::vector<std::string> SessionWorld::environment() const {
    std::map<std::string, std::string> values;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (equals != nullptr)
            values[std::string(*entry, size_t(equals - *entry))] = equals + 1;
    }
    // The unit's clock runs at its real pace: the faults' delays are real.
    values.erase("TVC_SIM_TIME_SCALE");
    values["TVC_SIM_BUS"] = busFile();
    values["XDG_RUNTIME_DIR"] = file("runtime");
    values["XDG_CONFIG_HOME"] = file("config");
    values["XDG_STATE_HOME"] = file("state");
    values["XDG_CACHE_HOME"] = file("cache");
    values["XDG_DATA_HOME"] = file("data");
    // A display of the user's keeps its key where the user's home had it.
    if (values.count("XAUTHORITY") == 0 && values.count("HOME") != 0)
        values["XAUTHORITY"] = values["HOME"] + "/.Xauthority";
    values["HOME"] = file("home");
    if (!display_.empty())
        values["DISPLAY"] = display_;
    std::vector<std::string> result;
    result.reserve(values.size());
    for (const auto& [name, value] : values)
        result.push_back(name + "=" + value);
    return result;
}

#pragma once
#include <string>
#include <vector>

// The panel's own world for one session: a fresh folder holding the bus file,
// the runtime folder (whose single-instance lock keeps it apart from a panel
// the user runs), the configuration and a home, and the environment that
// points every program of the session there. Kept after a failed run.
class SessionWorld {
public:
    SessionWorld();
    ~SessionWorld();
    SessionWorld(const SessionWorld&) = delete;
    SessionWorld& operator=(const SessionWorld&) = delete;

    bool ready() const { return !folder_.empty(); }
    const std::string& folder() const { return folder_; }
    std::string file(const std::string& name) const { return folder_ + "/" + name; }
    std::string busFile() const { return file("bus.ini"); }

    void setDisplay(const std::string& display) { display_ = display; }
    // The session's environment with DISPLAY and every folder of this world.
    std::vector<std::string> environment() const;
    void keep() { keep_ = true; }

private:
    std::string folder_;
    std::string display_;
    bool keep_ = false;
};

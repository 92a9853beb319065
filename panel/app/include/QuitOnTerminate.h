#pragma once
#include <memory>

// Takes a request to stop the process (SIGTERM from a session manager, a
// service or a test) the way the program takes the system's request to end,
// its systemRequestedQuit: the panel quits, so the window is destroyed and the
// units' settings are written before the process exits; the updater asks
// first while a unit is being written. The signal handler only wakes the
// message thread, which then passes the request on.
class QuitOnTerminate {
public:
    QuitOnTerminate();
    ~QuitOnTerminate();
    QuitOnTerminate(const QuitOnTerminate&) = delete;
    QuitOnTerminate& operator=(const QuitOnTerminate&) = delete;

private:
    // How the signal reaches the message thread, which differs by system.
    class Wake;
    std::unique_ptr<Wake> wake_;
};

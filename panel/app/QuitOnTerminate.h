#pragma once
#include <memory>

// Ends the panel as its close button does when the process is asked to stop
// (SIGTERM from a session manager, a service or a test), so the window is
// destroyed and the units' settings are written before the process exits.
// The signal handler only wakes the message thread, which then quits.
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

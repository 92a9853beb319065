// lumoractl: sets and reads the controls of a running panel from the command line.
#include "CtlOptions.h"
#include "CtlSession.h"

#include <atomic>
#include <csignal>
#include <iostream>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    CtlOptions options;
    std::string error;
    if (!options.parse(argc, argv, error)) {
        std::cerr << "lumoractl: " << error << "\n" << CtlOptions::usage();
        return CtlSession::Usage;
    }
    if (options.help) {
        std::cout << CtlOptions::usage();
        return CtlSession::Done;
    }
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    return CtlSession(options, std::cout, std::cerr).run(interrupted);
}

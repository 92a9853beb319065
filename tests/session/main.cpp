// panel_session: a random session against the running control panel. See
// SessionOptions::usage() and the README's "Random-session test".
#include "Session.h"
#include "SessionOptions.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace {

uint64_t freshSeed() {
    std::random_device device;
    const uint64_t now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return ((uint64_t(device()) << 32) ^ device() ^ now) % 1000000000ull;
}

}  // namespace

int main(int argc, char* argv[]) {
    SessionOptions options;
    options.panel = LUMORA_PANEL;
    options.tvcbus = LUMORA_TVCBUS;
    options.lumoractl = LUMORA_LUMORACTL;
    std::string error;
    if (!options.parse(argc, argv, error)) {
        std::fprintf(stderr, "panel_session: %s\n%s", error.c_str(), SessionOptions::usage());
        return 2;
    }
    if (!options.seedGiven)
        options.seed = freshSeed();
    return Session(options).run();
}

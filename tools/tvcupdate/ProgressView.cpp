#include "ProgressView.h"

#include <cstdio>

const char* ProgressView::Phase(uint32_t done, uint32_t total) {
    if (done == 0)
        return "preparing the unit: stopping the units, starting the bootloader";
    if (done >= total)
        return "restarting the unit: starting the new firmware, reinstalling the device";
    return "transferring";
}

std::string ProgressView::Line(uint32_t done, uint32_t total) const {
    double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    double moving = std::chrono::duration<double>(lastChange_ - lastIdle_).count();
    double rate = moving > 0 ? lastBytes_ / moving / 1000 : 0.0;
    double percent = total ? 100.0 * done / total : 0;
    int filled = int(percent / 5);
    std::string bar =
        "[" + std::string(size_t(filled), '#') + std::string(size_t(20 - filled), '.') + "]";
    char text[256];
    std::snprintf(text, sizeof text, "%s %5.1f%% %u/%u bytes %7.1f kB/s %6.1f s  %s", bar.c_str(),
                  percent, done, total, rate, seconds, Phase(done, total));
    return text;
}

// Plain output gives a line at each change of phase and every tenth of the way.
void ProgressView::Update(uint32_t done, uint32_t total) {
    if (done == 0) {
        lastIdle_ = Clock::now();
    } else if (done != lastBytes_) {
        lastChange_ = Clock::now();
        lastBytes_ = done;
    }
    std::string line = Line(done, total);
    if (!plain_) {
        std::printf("\r%-*s", int(lastWidth_), line.c_str());
        lastWidth_ = line.size();
        std::fflush(stdout);
        return;
    }
    int tenth = total ? int(10.0 * done / total) : 0;
    std::string phase = Phase(done, total);
    if (phase != lastPhase_ || tenth != lastTenth_) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
    lastPhase_ = phase;
    lastTenth_ = tenth;
}

void ProgressView::Finish() {
    if (!plain_)
        std::printf("\n");
}

#include "ProgressView.h"

#include <cstdio>

double ProgressView::Seconds() const {
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

std::string ProgressView::Line(uint32_t done, uint32_t total) const {
    double percent = total ? 100.0 * done / total : 0;
    int filled = int(percent / 5);
    std::string bar =
        "[" + std::string(size_t(filled), '#') + std::string(size_t(20 - filled), '.') + "]";
    char text[256];
    std::snprintf(text, sizeof text, "%s %5.1f%% %u/%u bytes %7.1f kB/s %6.1f s  %s", bar.c_str(),
                  percent, done, total, clock_.Rate() / 1000, Seconds(),
                  DownloadPhase::Words(DownloadPhase::Of(done, total)));
    return text;
}

// Plain output gives a line at each change of phase and every tenth of the way.
void ProgressView::Update(uint32_t done, uint32_t total) {
    clock_.Note(done, Seconds());
    std::string line = Line(done, total);
    if (!plain_) {
        std::printf("\r%-*s", int(lastWidth_), line.c_str());
        lastWidth_ = line.size();
        std::fflush(stdout);
        return;
    }
    int tenth = total ? int(10.0 * done / total) : 0;
    DownloadPhase::Step phase = DownloadPhase::Of(done, total);
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

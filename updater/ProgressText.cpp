#include "ProgressText.h"

#include "DownloadPhase.h"

#include <cctype>
#include <cmath>
#include <cstdio>

std::string ProgressText::Phase(uint32_t done, uint32_t total) {
    DownloadPhase::Step step = DownloadPhase::Of(done, total);
    std::string words = DownloadPhase::Words(step);
    words[0] = char(std::toupper(static_cast<unsigned char>(words[0])));
    if (step != DownloadPhase::Transferring)
        return words;
    return "Transferring the firmware: " + std::to_string(done) + " of " + std::to_string(total) +
           " bytes";
}

std::string ProgressText::Duration(double seconds) {
    long whole = std::lround(std::ceil(seconds));
    if (whole < 60)
        return std::to_string(whole) + " s";
    return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
}

std::string ProgressText::Rate(const TransferClock& clock, uint32_t done, uint32_t total) {
    double left = clock.SecondsLeft(total);
    if (left < 0 || done == 0 || done >= total)
        return "";
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f kB/s", clock.Rate() / 1000);
    return std::string(rate) + ", about " + Duration(left) + " left";
}

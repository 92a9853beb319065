#include "TransferFigures.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

void TransferFigures::Add(uint64_t bytes, double seconds) {
    m_Bytes = bytes;
    m_Seconds.push_back(seconds);
}

double TransferFigures::Median() const {
    std::vector<double> sorted = m_Seconds;
    std::sort(sorted.begin(), sorted.end());
    size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double TransferFigures::Fastest() const {
    return *std::min_element(m_Seconds.begin(), m_Seconds.end());
}

double TransferFigures::Slowest() const {
    return *std::max_element(m_Seconds.begin(), m_Seconds.end());
}

double TransferFigures::MegabytesPerSecond() const {
    return double(m_Bytes) / 1e6 / Median();
}

std::string TransferFigures::Text() const {
    char text[128];
    std::snprintf(text, sizeof text, "%llu bytes in %.4f s (%.4f to %.4f), %.2f MB/s",
                  static_cast<unsigned long long>(m_Bytes), Median(), Fastest(), Slowest(),
                  MegabytesPerSecond());
    return text;
}

bool TransferFigures::ReadUnitTiming(const std::string& path, uint64_t& bytes, double& seconds) {
    std::ifstream in(path);
    bool found = false;
    unsigned long long count = 0;
    double time = 0;
    while (in >> count >> time) {
        bytes = count;
        seconds = time;
        found = true;
    }
    return found && seconds > 0;
}

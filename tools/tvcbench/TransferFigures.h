#pragma once
// The times of repeated transfers of one size: median and spread, and the
// rate that follows from the median, so that bytes, seconds and MB/s agree.
#include <cstdint>
#include <string>
#include <vector>

class TransferFigures {
public:
    void Add(uint64_t bytes, double seconds);
    bool Empty() const { return m_Seconds.empty(); }
    double Median() const;
    double Fastest() const;
    double Slowest() const;
    double MegabytesPerSecond() const;
    // "16777216 bytes in 0.2310 s (0.2290 to 0.2400), 72.63 MB/s"
    std::string Text() const;

    // The last "BYTES SECONDS" line the simulated unit appended to the file.
    static bool ReadUnitTiming(const std::string& path, uint64_t& bytes, double& seconds);

private:
    uint64_t m_Bytes = 0;
    std::vector<double> m_Seconds;
};

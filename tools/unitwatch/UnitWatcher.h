#pragma once
#include "DeviceModel.h"
#include "LevelReader.h"
#include "UnitWatch.h"

#include <ostream>

// Runs the unit watch as the panel does: connect at start, then one presence
// poll every 25 ms; a change of the unit set re-selects unit 0.
class UnitWatcher {
public:
    static constexpr DWORD kPollMs = 25;
    // Plain output writes the levels once in this many polls (a second).
    static constexpr long kPlainEvery = 40;

    UnitWatcher(CDeviceModel& model, std::ostream& out, bool live);

    // Polls until the count or the time runs out (-1: no limit).
    void run(long count, long seconds);

private:
    void show(PresencePollResult result);
    void showPlain(PresencePollResult result);
    void showLive(PresencePollResult result);
    void drawBlock(PresencePollResult result);

    CDeviceModel& m_Model;
    LevelReader m_Reader;
    std::ostream& m_Out;
    bool m_Live;
    bool m_Drawn = false;
    long m_PollsSinceLine = 0;
    PresencePollResult m_Last = POLL_UNITS_CHANGED;
};

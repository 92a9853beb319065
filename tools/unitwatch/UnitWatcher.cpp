#include "UnitWatcher.h"

#include "LevelView.h"

#include <cstdint>

namespace {

// Cursor up over the status line and the bar rows; clear to the end of the screen.
const char* const kBlockUp = "\x1b[9A";
const char* const kClearBelow = "\x1b[J";

}  // namespace

UnitWatcher::UnitWatcher(CDeviceModel& model, std::ostream& out, bool live)
    : m_Model(model), m_Out(out), m_Live(live) {}

void UnitWatcher::run(long count, long seconds) {
    m_Model.ConnectAtStart();
    // The time run is summed in 64 bits from 32-bit tick differences, so that
    // neither a long --seconds nor a wrap of the tick counter ends the run early.
    uint64_t elapsedMs = 0;
    DWORD last = GetTickCount();
    for (long polls = 0; count < 0 || polls < count; ++polls) {
        DWORD now = GetTickCount();
        elapsedMs += DWORD(now - last);
        last = now;
        if (seconds >= 0 && elapsedMs >= uint64_t(seconds) * 1000)
            break;
        PresencePollResult result = PresencePoll(m_Reader, m_Model);
        bool unitOpen = result == POLL_UNITS_CHANGED && m_Model.SelectUnit(0);
        if (result == POLL_UNITS_CHANGED) {
            if (m_Live && m_Drawn)
                m_Out << kBlockUp << kClearBelow;
            m_Drawn = false;
            m_Out << LevelView::changeLine(m_Model.LastUnitCount, unitOpen) << "\n";
        }
        show(result);
        m_Out.flush();
        Sleep(kPollMs);
    }
}

void UnitWatcher::show(PresencePollResult result) {
    if (m_Live)
        showLive(result);
    else
        showPlain(result);
    m_Last = result;
}

void UnitWatcher::showPlain(PresencePollResult result) {
    if (result == POLL_NO_LEVELS && m_Last != POLL_NO_LEVELS)
        m_Out << "levels: none\n";
    if (result != POLL_LEVELS_VALID)
        return;
    if (m_Last != POLL_LEVELS_VALID || ++m_PollsSinceLine >= kPlainEvery) {
        m_Out << LevelView::plainLevels(m_Reader.Levels) << "\n";
        m_PollsSinceLine = 0;
    }
}

void UnitWatcher::showLive(PresencePollResult result) {
    if (m_Drawn)
        m_Out << kBlockUp;
    drawBlock(result);
    m_Drawn = true;
}

void UnitWatcher::drawBlock(PresencePollResult result) {
    bool valid = result == POLL_LEVELS_VALID;
    m_Out << (valid ? "levels of unit " + std::to_string(m_Model.SelectedUnit + 1) +
                          " (distance below full scale)"
                    : std::string("no levels"))
          << "\x1b[K\n";
    for (int row = 0; row < LevelView::kRows; ++row)
        m_Out << (valid ? LevelView::barRow(row, m_Reader.Levels[row]) : LevelView::emptyRow(row))
              << "\x1b[K\n";
}

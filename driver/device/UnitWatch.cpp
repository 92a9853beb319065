#include "UnitWatch.h"

#include "TvcStatus.h"

#include <cstring>

namespace {

// With the control device closed: report the loss of the units once, then
// re-open the driver and the first unit. False, with the poll's result, when
// the poll ends here.
bool Reconnect(CDeviceModel& model, PresencePollResult& result) {
    result = POLL_UNITS_CHANGED;
    if (model.LastUnitCount != 0) {
        model.LastUnitCount = 0;
        return false;
    }
    result = POLL_NO_LEVELS;
    if (model.Drv.Open() != TVC_STATUS_SUCCESS)
        return false;
    model.Drv.LoadDeviceProperties();
    model.SelectedUnit = 0;
    if (model.OpenUnitChannel(0) != TVC_STATUS_SUCCESS)
        return false;
    DWORD count = model.GetUnitCount();
    if (count == model.LastUnitCount)
        return true;
    model.LastUnitCount = count;
    result = POLL_UNITS_CHANGED;
    return false;
}

// True when the unit set is unchanged; else closes everything if it emptied.
bool CountUnchanged(CDeviceModel& model) {
    DWORD count = model.GetUnitCount();
    if (count == model.LastUnitCount)
        return true;
    if (count == 0) {
        model.TvcCtrl.Close();
        model.Drv.Close();
    }
    model.LastUnitCount = count;
    return false;
}

// The bus read is bounded: a unit that never answers must not freeze the
// message thread, so the read is cancelled after the reader's time limit.
PresencePollResult ReadLevels(CDeviceModel& model, LevelReader& reader) {
    if (!reader.Buffer)
        reader.Buffer.reset(new BYTE[reader.ReadLength]);
    std::memset(reader.Buffer.get(), 0, reader.ReadLength);
    TVC_BUS_ADDRESS address{reader.AddressLow, reader.AddressHigh, reader.AddressField3, 0};
    DWORD bytes = 0;
    DWORD status = model.TvcCtrl.AsyncReadSync(&address, reader.Buffer.get(), reader.ReadLength,
                                               &bytes, reader.ReadTimeoutMs);
    if (status != TVC_STATUS_SUCCESS || bytes != reader.ReadLength)
        return POLL_NO_LEVELS;
    reader.DecodeBuffer();
    return POLL_LEVELS_VALID;
}

// A selection that failed (a unit that did not answer the open in time)
// leaves the channel closed while the units stay as they were: nothing else
// would open it again. Tried once a second, since an open waits for the unit.
PresencePollResult Reopen(CDeviceModel& model, LevelReader& reader) {
    const DWORD now = GetTickCount();
    if (now - reader.ReopenTick < 1000)
        return POLL_NO_LEVELS;
    reader.ReopenTick = now;
    if (model.SelectedUnit >= model.LastUnitCount)
        model.SelectedUnit = 0;
    if (model.OpenUnitChannel(model.SelectedUnit) != TVC_STATUS_SUCCESS)
        return POLL_NO_LEVELS;
    return POLL_UNITS_CHANGED;
}

}  // namespace

PresencePollResult PresencePoll(LevelReader& reader, CDeviceModel& model) {
    if (model.Drv.IsOpen()) {
        if (!CountUnchanged(model))
            return POLL_UNITS_CHANGED;
        if (!model.TvcCtrl.IsOpen() && model.LastUnitCount != 0)
            return Reopen(model, reader);
    } else {
        PresencePollResult result = POLL_NO_LEVELS;
        if (!Reconnect(model, result))
            return result;
    }
    return ReadLevels(model, reader);
}

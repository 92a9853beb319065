#pragma once
#include "AvcUnit.h"

#include <functional>

// Sends a switch's state to the unit. The command follows the click through
// the switch's action message; a read-back of the unit or another unit chosen
// in between would set the switch to the unit's older value before the
// command went out, so a state not yet sent goes first then, and when the
// sender goes. Declare it after the switch it reads.
class SwitchSender : public AvcUnit::Deferred {
public:
    SwitchSender(AvcUnit& unit, std::function<bool()> state, std::function<void(bool)> send);
    virtual ~SwitchSender();

    // The switch's action message arrived: its state goes out.
    void send();
    void sendNow() override;

private:
    std::function<bool()> state_;
    std::function<void(bool)> send_;
    // What last went out; a switch starts off, as the unit's state is read into it.
    bool sent_ = false;
};

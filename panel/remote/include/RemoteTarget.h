#pragma once
#include "RemoteCommand.h"

#include <deque>
#include <string>

// What remote commands act on: the panel's controls as a user moves them,
// and the clients' subscriptions. Each returns false for what it refused
// (a control that is disabled, a unit that is not there, a file not read).
class RemoteTarget {
public:
    virtual ~RemoteTarget() = default;

    virtual bool setControl(const RemoteControl& control, int value) = 0;
    virtual bool selectUnit(int unit) = 0;
    virtual bool loadMix(const std::string& path) = 0;
    virtual bool saveMix(const std::string& path) = 0;
    virtual bool recallSnapshot(int slot) = 0;
    // After the controls set in one go: they become one undoable step.
    virtual void controlsSet() = 0;
    virtual void subscribe(int port, bool meters, bool on) = 0;
    virtual void dump(int port) = 0;
    virtual void ping(int port) = 0;

    // Carries commands out from the front, up to and including the first one
    // whose effect the panel passes on in messages of its own (a switch, a
    // unit, a mix, a snapshot): the rest wait for the next turn, behind those
    // messages, as a user's next click would. The number that were refused.
    static int runTurn(std::deque<RemoteCommand>& due, RemoteTarget& target);
};

#pragma once
#include "RemoteControls.h"
#include "RemoteMessage.h"

#include <optional>
#include <string>

// What a remote message asks of the panel, checked whole: a message with an
// unknown address, the wrong arguments or a value out of range is no command.
struct RemoteCommand {
    enum Type {
        Set,
        SelectUnit,
        LoadMix,
        SaveMix,
        RecallSnapshot,
        Subscribe,
        Unsubscribe,
        SubscribeMeters,
        UnsubscribeMeters,
        Dump,
        Ping
    };
    static constexpr int kUnits = 4;
    static constexpr int kSnapshots = 4;

    Type type = Set;
    const RemoteControl* control = nullptr;
    // Set: the control's value; SelectUnit, RecallSnapshot: 1 to 4; the
    // subscriptions, Dump and Ping: the client's reply port on 127.0.0.1.
    int value = 0;
    // LoadMix, SaveMix: the mix file's path.
    std::string path;

    static std::optional<RemoteCommand> parse(const RemoteMessage& message);
    bool operator==(const RemoteCommand& other) const;
};

#include "RemoteTarget.h"

namespace {

bool runOne(const RemoteCommand& command, RemoteTarget& target, bool& controlsSet) {
    using Type = RemoteCommand::Type;
    switch (command.type) {
    case Type::Set: {
        const bool set = target.setControl(*command.control, command.value);
        controlsSet = controlsSet || set;
        return set;
    }
    case Type::SelectUnit: return target.selectUnit(command.value);
    case Type::LoadMix: return target.loadMix(command.path);
    case Type::SaveMix: return target.saveMix(command.path);
    case Type::RecallSnapshot: return target.recallSnapshot(command.value);
    case Type::Subscribe: target.subscribe(command.value, false, true); break;
    case Type::Unsubscribe: target.subscribe(command.value, false, false); break;
    case Type::SubscribeMeters: target.subscribe(command.value, true, true); break;
    case Type::UnsubscribeMeters: target.subscribe(command.value, true, false); break;
    case Type::Dump: target.dump(command.value); break;
    case Type::Ping: target.ping(command.value); break;
    }
    return true;
}

}  // namespace

// Controls set before a unit change or a load are their own step, so undo
// never mixes two units' moves or a move with a loaded mix.
int RemoteTarget::run(const std::vector<RemoteCommand>& commands, RemoteTarget& target) {
    int refused = 0;
    bool controlsSet = false;
    for (const RemoteCommand& command : commands) {
        if (command.type != RemoteCommand::Set && controlsSet) {
            target.controlsSet();
            controlsSet = false;
        }
        if (!runOne(command, target, controlsSet))
            ++refused;
    }
    if (controlsSet)
        target.controlsSet();
    return refused;
}

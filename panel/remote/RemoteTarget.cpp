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

bool endsTurnBefore(const RemoteCommand& command) {
    using Type = RemoteCommand::Type;
    return command.type == Type::SelectUnit || command.type == Type::LoadMix ||
           command.type == Type::RecallSnapshot;
}

bool endsTurnAfter(const RemoteCommand& command) {
    return endsTurnBefore(command) ||
           (command.type == RemoteCommand::Set && command.control->kind == RemoteControl::Switch);
}

}  // namespace

// The controls set in one turn are one step to undo; a turn ends before a
// unit change or a load, so a step never mixes two units or a loaded mix.
int RemoteTarget::runTurn(std::deque<RemoteCommand>& due, RemoteTarget& target) {
    int refused = 0;
    bool controlsSet = false;
    while (!due.empty()) {
        const RemoteCommand command = due.front();
        if (controlsSet && endsTurnBefore(command))
            break;
        due.pop_front();
        if (!runOne(command, target, controlsSet))
            ++refused;
        if (endsTurnAfter(command))
            break;
    }
    if (controlsSet)
        target.controlsSet();
    return refused;
}

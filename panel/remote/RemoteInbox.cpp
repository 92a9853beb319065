#include "RemoteInbox.h"

bool RemoteInbox::push(const RemoteCommand& command) {
    const std::lock_guard<std::mutex> hold(lock_);
    if (merge(command))
        return true;
    if (pending_.size() >= kLimit)
        return false;
    pending_.push_back(command);
    if (command.type != RemoteCommand::Set)
        firstMergeable_ = pending_.size();
    return true;
}

// A repeated request (the same dump asked twice in a row) is also taken once.
bool RemoteInbox::merge(const RemoteCommand& command) {
    if (command.type != RemoteCommand::Set)
        return !pending_.empty() && pending_.back() == command;
    for (size_t i = firstMergeable_; i < pending_.size(); ++i) {
        if (pending_[i].control == command.control) {
            pending_[i].value = command.value;
            return true;
        }
    }
    return false;
}

bool RemoteInbox::empty() {
    const std::lock_guard<std::mutex> hold(lock_);
    return pending_.empty();
}

std::vector<RemoteCommand> RemoteInbox::take() {
    const std::lock_guard<std::mutex> hold(lock_);
    std::vector<RemoteCommand> taken;
    taken.swap(pending_);
    firstMergeable_ = 0;
    return taken;
}

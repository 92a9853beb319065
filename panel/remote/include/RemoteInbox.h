#pragma once
#include "RemoteCommand.h"

#include <mutex>
#include <vector>

// The commands received and not yet carried out, filled on the network thread
// and emptied on the message thread. A new value for a control replaces one
// still waiting since the last other command, so a flood of moves leaves the
// latest value of each control, in order with the other commands.
class RemoteInbox {
public:
    static constexpr size_t kLimit = 256;

    // False when the command was dropped because the inbox is full.
    bool push(const RemoteCommand& command);
    std::vector<RemoteCommand> take();
    bool empty();

private:
    bool merge(const RemoteCommand& command);

    std::mutex lock_;
    std::vector<RemoteCommand> pending_;
    // Sets before this index wait behind another command and are not replaced.
    size_t firstMergeable_ = 0;
};

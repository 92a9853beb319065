#pragma once
#include <string>
#include <vector>

// The session's remote control of the panel: lumoractl run against the port
// the panel listens on, with the session's environment, each run bounded.
class RemoteControl {
public:
    // Mix files that `save` and `load` name without a folder are in `folder`.
    RemoteControl(std::string tool, int port, std::vector<std::string> env, std::string outputFile,
                  std::string folder)
        : tool_(std::move(tool)),
          port_(port),
          env_(std::move(env)),
          outputFile_(std::move(outputFile)),
          folder_(std::move(folder)) {}

    // lumoractl's exit code (0 done, 1 refused, 3 no answer within 1 s), -1
    // when it did not end in time.
    int run(const std::vector<std::string>& args);
    // What lumoractl printed, when it ended with 0; else nothing.
    std::string output(const std::vector<std::string>& args);

    // A port on 127.0.0.1 that no one holds now, 0 when none can be had.
    static int freePort();

private:
    int runInto(const std::vector<std::string>& args, const std::string& outputFile);

    std::string tool_;
    int port_;
    std::vector<std::string> env_;
    std::string outputFile_;
    std::string folder_;
};

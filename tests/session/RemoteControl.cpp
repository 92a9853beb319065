#include "RemoteControl.h"

#include "Subprocess.h"
#include "TextFile.h"

#include <cstdio>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// lumoractl waits at most 1 s for the panel; more than this is a hang.
constexpr int kToolTimeoutMs = 10000;

}  // namespace

int RemoteControl::run(const std::vector<std::string>& args) {
    return runInto(args, outputFile_);
}

std::string RemoteControl::output(const std::vector<std::string>& args) {
    const std::string path = outputFile_ + ".out";
    std::remove(path.c_str());
    std::string text;
    return runInto(args, path) == 0 && TextFile::read(path, text) ? text : std::string();
}

int RemoteControl::runInto(const std::vector<std::string>& args, const std::string& outputFile) {
    std::vector<std::string> argv{tool_, "--port", std::to_string(port_)};
    argv.insert(argv.end(), args.begin(), args.end());
    const bool mixFile = args.size() == 2 && (args[0] == "save" || args[0] == "load");
    if (mixFile && args[1].find('/') == std::string::npos)
        argv.back() = folder_ + "/" + args[1];
    return Subprocess::run(argv, env_, outputFile, kToolTimeoutMs);
}

int RemoteControl::freePort() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

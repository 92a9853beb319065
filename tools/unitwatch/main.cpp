#include "DeviceModel.h"
#include "Terminal.h"
#include "UnitWatcher.h"
#include "WatchOptions.h"

#include <iostream>

int main(int argc, char** argv) {
    WatchOptions options;
    std::string error;
    if (!options.parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::cerr << "unitwatch: " << error << "\n" << WatchOptions::usage();
        return 2;
    }
    if (options.help) {
        std::cout << WatchOptions::usage();
        return 0;
    }
    UnitWatcher watcher(TheDeviceModel(), std::cout, !options.plain && stdoutIsTerminal());
    watcher.run(options.count, options.seconds);
    return 0;
}

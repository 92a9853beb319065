// A shared library that carries the log code as the download library does,
// so a test can see where the configuration file is looked for.
#include "LogConfig.h"

extern "C" __attribute__((visibility("default"))) const char* ProbeConfigure() {
    static LogConfig config;
    config.Configure(reinterpret_cast<HMODULE>(&ProbeConfigure));
    return config.CfgFile().c_str();
}

// tvcupdate: lists units, describes and checks firmware files and downloads
// them, through the download library's exports only.
#include "FwdlApi.h"
#include "UpdateOptions.h"
#include "Updater.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("%s", UpdateOptions::Usage());
        return Updater::Ok;
    }
    UpdateOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::fprintf(stderr, "tvcupdate: %s\n%s", error.c_str(), UpdateOptions::Usage());
        return Updater::Usage;
    }
    FwdlApi api;
    if (!api.Load(options.library.empty() ? FwdlApi::DefaultPath() : options.library, error)) {
        std::fprintf(stderr, "tvcupdate: %s\n", error.c_str());
        return Updater::NoLibrary;
    }
    return Updater(api, options).Run();
}

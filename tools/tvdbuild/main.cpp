#include "TvdCommandLine.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    return TvdCommandLine::Run(std::vector<std::string>(argv + 1, argv + argc));
}

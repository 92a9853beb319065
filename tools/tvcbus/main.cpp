#include "BusTool.h"

#include <iostream>

int main(int argc, char** argv) {
    BusTool tool(std::cout, std::cerr);
    return tool.run(std::vector<std::string>(argv + 1, argv + argc));
}

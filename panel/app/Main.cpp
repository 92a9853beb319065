#include "PanelMain.h"

int main(int argc, char* argv[]) {
    return PanelMain::run(argc, argv);
}

// Must not compile: panel code reaches units through the driver access code
// and the platform layer only, never through the simulated bus behind them.
#include "AvcUnit.h"
#include "SimBus.h"

int main() {
    return 0;
}

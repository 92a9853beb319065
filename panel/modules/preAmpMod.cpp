#include "preAmpMod.h"

preAmpMod::preAmpMod(AvcUnit& unit, int channel)
    : PreampSection(unit, channel, Layout{{34, 79}, {100, 79}, {130, 17}, {68, 14, 43, 43}, true}) {
}

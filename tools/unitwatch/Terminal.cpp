#include "Terminal.h"

#include <unistd.h>

// The one POSIX call of the tool, which is why it builds only off Windows.
bool stdoutIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

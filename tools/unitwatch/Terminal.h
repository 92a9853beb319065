#pragma once

// Whether standard output is a terminal that understands ANSI escapes.
bool stdoutIsTerminal();

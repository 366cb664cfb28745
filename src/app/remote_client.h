#pragma once
// The asking side of `kelvaro --status` and the other requests: one request to the
// running clock through its single-instance socket, the answer printed.
#include "app/command_line.h"

namespace kelvaro {

// Prints the answer (standard output when done, else standard error) and returns the exit status.
int runRemoteRequest(const CommandLine& line, int argc, char** argv);

} // namespace kelvaro

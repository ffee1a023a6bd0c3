// The main procedure: start-up, the main loop with its timed refresh, and
// the end of the program.
#pragma once

// Runs the program; the result is the process's exit code, always 0.
int runMemolux();

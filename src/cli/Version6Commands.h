#pragma once

#include "cli/Commands.h"

// The Version 6.0 tool on the command line: a handset file built from ranges, and
// the compile of a handset file into the four output scripts.
CliCommand HandsetsCommand();
CliCommand CompileCommand();

#pragma once

#include "cli/Commands.h"

// halvoran-cli check: the site check of a tool's input file.
CliCommand CheckCommand();

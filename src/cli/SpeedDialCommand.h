#pragma once

#include "cli/Commands.h"

// halvoran-cli speeddial INPUT OUTPUT [--start LOC] [--leading-zero] [--sheet NAME]:
// the Speed Dial Assigner's import and "EXPORT NOW" without a window.
CliCommand SpeedDialCommand();

#pragma once

#include "cli/Commands.h"

// halvoran-cli names INPUT OUTPUT [--sheet NAME]: the Name Assigner's import and
// "EXPORT NOW" without a window.
CliCommand NamesCommand();

// Hands the Options dialog and the skin selector the main window as their host.
#pragma once

#include "options/options_host.h"

void UseMainWindowAsOptionsHost();

// Hands the tool windows the main window as their host.
#pragma once

#include "tools/tool_host.h"

void UseMainWindowAsToolHost();

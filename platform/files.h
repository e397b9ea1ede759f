// Small questions about files that several rooms ask.
#pragma once

#include <string>

// True when `path` names an existing file (not a folder).
bool FileExists(const std::string& path);

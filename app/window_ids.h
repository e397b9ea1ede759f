// Control identifiers of the main window's parts.
#pragma once

constexpr int kTabControlId = 100;
constexpr int kMenuBarId = 101;
constexpr int kToolbarId = 102;
constexpr int kStatusBarId = 103;

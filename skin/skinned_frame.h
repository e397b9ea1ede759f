// The skinned frame of the main window: it subclasses the window after the main
// window's own object, so it sees every message first, draws the non-client area,
// hit-tests, runs the frame buttons and lays out the window's parts on WM_SIZE.
#pragma once

#include "app/subclass.h"

#include <windows.h>

class SkinnedFrame : public Subclass<SkinnedFrame> {
public:
    static constexpr const char* kProperty = "CSkinSubcls";
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

SkinnedFrame& Frame();

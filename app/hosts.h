// The main window as the host of the lower rooms: each hands the room a small interface
// the room calls when it needs something of the window around it.
#pragma once

void UseMainWindowAsFrameHost();    // the skinned frame (skin/frame_host.h)
void UseMainWindowAsDocsHost();     // the documents (docs/docs_host.h)
void UseMainWindowAsToolHost();     // the drop-downs and the About window (tools/tool_host.h)
void UseMainWindowAsOptionsHost();  // the Options dialog and the skin selector (options/options_host.h)

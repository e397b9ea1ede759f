// Resource identifiers shared by the program's code and its resource script.
#pragma once

#include "platform/picture_ids.h"

#define IDI_QUILLET 500
#define IDI_SAVED 502
#define IDI_UNSAVED 503

// String resources 700-715 describe the sixteen toolbar buttons (tooltip and status
// line); 800-805 are the captions of the six menu-bar buttons.
#define IDS_TOOLBAR_FIRST 700
#define IDS_MENUBAR_FIRST 800

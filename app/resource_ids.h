// Resource identifiers shared by the program's code and its resource script.
#pragma once

#define IDI_QUILLET 500
#define IDI_SAVED 502
#define IDI_UNSAVED 503
#define IDB_ABOUT 501          // the about picture, 296 x 200
#define IDB_STARTUP_MARK 504   // marks favourites that open at start-up, 11 x 13

// String resources 700-715 describe the sixteen toolbar buttons (tooltip and status
// line); 800-805 are the captions of the six menu-bar buttons.
#define IDS_TOOLBAR_FIRST 700
#define IDS_MENUBAR_FIRST 800

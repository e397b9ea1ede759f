// The pictures of the program's resources that windows of several rooms load: numbered
// here once, for the resource script and for every window that loads one.
#pragma once

#define IDB_ABOUT 501          // the about picture, 296 x 200
#define IDB_STARTUP_MARK 504   // marks favourites that open at start-up, 11 x 13

// The pictures of the program's resources that windows of several rooms load: numbered
// here once, for the resource script and for every window that loads one.
#pragma once

#define IDB_ABOUT 501          // the about picture, 296 x 200
#define IDB_STARTUP_MARK 504   // marks favourites that open at start-up, 11 x 13
#define IDB_STARTUP_MARK_150 505  // the same at 150 %, 17 x 20
#define IDB_STARTUP_MARK_200 506  // the same at 200 %, 22 x 26

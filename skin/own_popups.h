// Whether one of the program's own popup windows is showing (the Options dialog, the
// skin selector, the About window, the clipboard viewer or the favourites window):
// the main window's frame then keeps its look while the popup has the focus.
#pragma once

bool OwnPopupVisible();

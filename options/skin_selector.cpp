#include "options/skin_selector.h"

// Filled in with the skin selector window.
void OpenSkinSelector() {}
void DestroySkinSelector() {}

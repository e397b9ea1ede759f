// The skin selector window.
#pragma once

// Opens the selector so the user can choose a skin (also when start-up's skin failed).
void OpenSkinSelector();
void DestroySkinSelector();

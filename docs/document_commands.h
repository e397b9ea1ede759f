// The document commands built on opening, saving and closing.
#pragma once

void NewDocument();
void OpenFileCommand();
void CloseAllDocuments();
void CloseOtherTabs();
void SaveAllDocuments();
void PrintDocument();

// Before the program ends: asks about every modified document in tab order.
// False as soon as one must stay (Cancel, or its save did not happen).
bool AskToSaveModifiedDocuments();
// The same questions where the program ends whatever the answers are (the window is
// already being destroyed): every modified document is asked about, and Cancel counts
// as No for that one document.
void AskAboutEveryModifiedDocument();

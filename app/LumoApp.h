// The store client's application object: sets up the toolkit, opens the
// main window and runs its message loop.
#pragma once

#include "app/WinApp.h"

class CLumoApp : public CWinApp {
public:
    CLumoApp() = default;
    BOOL InitInstance() override;
};

// The program directory, with its final backslash, into the skin folder.
void LoadProgramDir(CLumoApp* app);

// The skin folder handed to the toolkit (the program directory, then
// "\skins" after it) and the skin archive's name.
const char* SkinFolderPath();
const char* SkinArchiveName();

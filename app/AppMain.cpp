// The store client's entry point and its one application object.
#include <windows.h>

#include "app/LumoApp.h"

namespace {

CLumoApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return AfxWinMain(instance); }

#include <windows.h>

#include "app/clock_app.h"

// The one application object; the framework reaches it through Application::Current().
static ClockApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return theApp.Run(instance);
}

/* A stand-in for libXinerama.so.1 that gives Wine the monitors a test asks for.

   Xvfb runs one wide screen; Wine, told to use Xinerama instead of XRandR, loads this library
   through LD_LIBRARY_PATH and cuts that screen into the heads named in ZENTRIX_HEADS, written
   "x,y,width,height;x,y,width,height;...". Wine makes the first head its primary monitor. The X
   server itself is never asked. */

#include <X11/extensions/Xinerama.h>
#include <stdio.h>
#include <stdlib.h>

/* Returns the heads in memory the caller frees with XFree, which calls free. A malformed list
   gives no heads at all, so a typing mistake in a test shows as missing monitors. */
static XineramaScreenInfo* ReadHeads(int* number) {
    const char* at = getenv("ZENTRIX_HEADS");
    XineramaScreenInfo* screens = NULL;
    int count = 0;
    *number = 0;
    while (at && *at) {
        int x, y, width, height, used = 0;
        if (sscanf(at, " %d , %d , %d , %d %n", &x, &y, &width, &height, &used) != 4 || used == 0 ||
            width <= 0 || height <= 0 || (at[used] != ';' && at[used] != '\0')) {
            free(screens);
            return NULL;
        }
        XineramaScreenInfo* more = realloc(screens, (size_t)(count + 1) * sizeof *screens);
        if (!more) {
            free(screens);
            return NULL;
        }
        screens = more;
        screens[count] =
            (XineramaScreenInfo){count, (short)x, (short)y, (short)width, (short)height};
        ++count;
        at += used + (at[used] == ';');
    }
    *number = count;
    return screens;
}

Bool XineramaQueryExtension(Display* display, int* eventBase, int* errorBase) {
    (void)display;
    *eventBase = 0;
    *errorBase = 0;
    return True;
}

Status XineramaQueryVersion(Display* display, int* major, int* minor) {
    (void)display;
    *major = 1;
    *minor = 1;
    return 1;
}

Bool XineramaIsActive(Display* display) {
    (void)display;
    int number = 0;
    free(ReadHeads(&number));
    return number > 0;
}

XineramaScreenInfo* XineramaQueryScreens(Display* display, int* number) {
    (void)display;
    return ReadHeads(number);
}

// Watches rectangles of an X screen and tells how late in the wall-clock second each of them
// changes. Every period (1 ms unless told) it reads every rectangle from the root window, which
// on a server without a compositor holds what is on screen, and notes the wall-clock time of
// each sample whose pixels differ from the one before. A clock that shows a new second as soon
// as it begins changes a few milliseconds past the second; one whose timer counts from its own
// start changes wherever in the second that start fell.
// Usage: lag_watch [-t seconds] [-p milliseconds] label=x,y,width,height...
// Prints one line per rectangle, then how well the sampling kept to its schedule:
//   area <label> changes=<n> median_ms=<ms past the second> worst_ms=<ms past the second>
//   samples=<n> late=<started over 2 ms after their slot> skipped=<slots left out>
//     worst_late_ms=<ms> mean_read_ms=<how long reading all rectangles took>

#define _POSIX_C_SOURCE 200809L

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kMaxAreas = 16 };
static const long long kNanosecondsPerSecond = 1000000000LL;
static const long long kLateNanoseconds = 2000000LL;

typedef struct {
    char label[64];
    int x, y;
    unsigned width, height;
    int sampled;  // the first sample only sets the hash to compare against
    uint64_t hash;
    double* pastSecond;  // milliseconds past the wall-clock second of each change
    size_t changes, capacity;
} Area;

static int xError;

// Xlib's own handler ends the program; a failed read is reported by the caller instead.
static int NoteXError(Display* display, XErrorEvent* event) {
    (void)display;
    xError = event->error_code;
    return 0;
}

static long long Nanoseconds(const struct timespec* time) {
    return time->tv_sec * kNanosecondsPerSecond + time->tv_nsec;
}

static struct timespec Timespec(long long nanoseconds) {
    struct timespec time = {(time_t)(nanoseconds / kNanosecondsPerSecond),
                            (long)(nanoseconds % kNanosecondsPerSecond)};
    return time;
}

static long long Now(clockid_t clock) {
    struct timespec time;
    if (clock_gettime(clock, &time) != 0) {
        perror("lag_watch: clock_gettime");
        exit(1);
    }
    return Nanoseconds(&time);
}

static int ParseArea(const char* text, Area* area) {
    const char* equals = strrchr(text, '=');
    if (!equals || equals == text || (size_t)(equals - text) >= sizeof area->label)
        return 0;
    memset(area, 0, sizeof *area);
    memcpy(area->label, text, (size_t)(equals - text));
    char rest;
    return sscanf(equals + 1, "%d,%d,%u,%u%c", &area->x, &area->y, &area->width, &area->height,
                  &rest) == 4 &&
           area->width > 0 && area->height > 0;
}

// FNV-1a over the colour bits only: in a 32-bit pixel of a 24-bit screen the spare byte is
// whatever the drawing client left there, and a change in it is nothing anybody sees.
static uint64_t HashImage(const XImage* image) {
    const uint32_t colour = (uint32_t)(image->red_mask | image->green_mask | image->blue_mask);
    uint64_t hash = 14695981039346656037ULL;
    for (int row = 0; row < image->height; ++row) {
        const unsigned char* line =
            (const unsigned char*)image->data + (size_t)row * image->bytes_per_line;
        if (image->bits_per_pixel == 32) {
            for (int column = 0; column < image->width; ++column) {
                uint32_t pixel;
                memcpy(&pixel, line + (size_t)column * 4, sizeof pixel);
                pixel &= colour;
                for (int byte = 0; byte < 4; ++byte) {
                    hash = (hash ^ ((pixel >> (8 * byte)) & 0xFF)) * 1099511628211ULL;
                }
            }
        } else {
            const size_t bytes = ((size_t)image->width * image->bits_per_pixel + 7) / 8;
            for (size_t i = 0; i < bytes; ++i) {
                hash = (hash ^ line[i]) * 1099511628211ULL;
            }
        }
    }
    return hash;
}

static void NoteChange(Area* area, long long wallClock) {
    if (area->changes == area->capacity) {
        const size_t capacity = area->capacity ? area->capacity * 2 : 64;
        double* grown = realloc(area->pastSecond, capacity * sizeof *grown);
        if (!grown) {
            fputs("lag_watch: out of memory\n", stderr);
            exit(1);
        }
        area->pastSecond = grown;
        area->capacity = capacity;
    }
    area->pastSecond[area->changes++] = (double)(wallClock % kNanosecondsPerSecond) / 1e6;
}

// Reads one rectangle and notes a change; 0 when the server refused the read.
static int Sample(Display* display, Window root, Area* area) {
    const long long wallClock = Now(CLOCK_REALTIME);
    XImage* image =
        XGetImage(display, root, area->x, area->y, area->width, area->height, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const uint64_t hash = HashImage(image);
    XDestroyImage(image);
    if (area->sampled && hash != area->hash)
        NoteChange(area, wallClock);
    area->sampled = 1;
    area->hash = hash;
    return 1;
}

static int CompareDoubles(const void* a, const void* b) {
    const double left = *(const double*)a, right = *(const double*)b;
    return (left > right) - (left < right);
}

static void Report(Area* area) {
    printf("area %s changes=%zu", area->label, area->changes);
    if (area->changes == 0) {
        printf(" median_ms=- worst_ms=-\n");
        return;
    }
    qsort(area->pastSecond, area->changes, sizeof *area->pastSecond, CompareDoubles);
    const size_t middle = area->changes / 2;
    const double median = area->changes % 2
                              ? area->pastSecond[middle]
                              : (area->pastSecond[middle - 1] + area->pastSecond[middle]) / 2;
    printf(" median_ms=%.1f worst_ms=%.1f\n", median, area->pastSecond[area->changes - 1]);
}

static void Usage(void) {
    fputs("usage: lag_watch [-t seconds] [-p milliseconds] label=x,y,width,height...\n", stderr);
    exit(2);
}

int main(int argc, char** argv) {
    double seconds = 30, periodMs = 1;
    int option;
    while ((option = getopt(argc, argv, "t:p:")) != -1) {
        char* end = NULL;
        if (option == 't')
            seconds = strtod(optarg, &end);
        else if (option == 'p')
            periodMs = strtod(optarg, &end);
        else
            Usage();
        if (!end || *end || !(option == 't' ? seconds > 0 : periodMs > 0))
            Usage();
    }
    const long long period = (long long)(periodMs * 1e6);
    const int areaCount = argc - optind;
    if (period < 1000 || areaCount < 1 || areaCount > kMaxAreas)
        Usage();

    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "lag_watch: cannot open display %s\n", XDisplayName(NULL));
        return 1;
    }
    XSetErrorHandler(NoteXError);
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int screenWidth = DisplayWidth(display, screen);
    const int screenHeight = DisplayHeight(display, screen);

    Area areas[kMaxAreas];
    for (int i = 0; i < areaCount; ++i) {
        Area* area = &areas[i];
        if (!ParseArea(argv[optind + i], area))
            Usage();
        // The server refuses a read of the root that reaches past the screen.
        if (area->x < 0 || area->y < 0 || (long long)area->x + area->width > screenWidth ||
            (long long)area->y + area->height > screenHeight) {
            fprintf(stderr, "lag_watch: %s is not within the %dx%d screen\n", argv[optind + i],
                    screenWidth, screenHeight);
            return 1;
        }
    }

    // The schedule runs on the monotonic clock, so a step of the wall clock neither bunches nor
    // stalls the samples; only the times of changes are read from the wall clock.
    long long slot = Now(CLOCK_MONOTONIC);
    const long long end = slot + (long long)(seconds * kNanosecondsPerSecond);
    long long samples = 0, late = 0, skipped = 0, worstLate = 0, reading = 0;
    while (slot < end) {
        const struct timespec wake = Timespec(slot);
        const int slept = clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, NULL);
        if (slept == EINTR)
            continue;
        if (slept != 0) {
            fprintf(stderr, "lag_watch: clock_nanosleep: %s\n", strerror(slept));
            return 1;
        }
        const long long started = Now(CLOCK_MONOTONIC);
        const long long lateness = started - slot;
        if (lateness > kLateNanoseconds)
            ++late;
        if (lateness > worstLate)
            worstLate = lateness;
        for (int i = 0; i < areaCount; ++i) {
            if (!Sample(display, root, &areas[i])) {
                fprintf(stderr, "lag_watch: reading %s failed (X error %d)\n", areas[i].label,
                        xError);
                return 1;
            }
        }
        ++samples;
        const long long now = Now(CLOCK_MONOTONIC);
        reading += now - started;
        // Slots that passed wholly during an overrun are left out: sampled back to back they
        // would read the same moment of the screen again and only push the schedule further.
        slot += period;
        while (slot + period <= now && slot < end) {
            slot += period;
            ++skipped;
        }
    }

    for (int i = 0; i < areaCount; ++i) {
        Report(&areas[i]);
        free(areas[i].pastSecond);
    }
    printf("samples=%lld late=%lld skipped=%lld worst_late_ms=%.1f mean_read_ms=%.3f\n", samples,
           late, skipped, (double)worstLate / 1e6, samples ? (double)reading / samples / 1e6 : 0.0);
    XCloseDisplay(display);
    return 0;
}

// Starts a player and reports when its first sound and its first picture arrive.
//
//   launch_probe [--sound FILE] [--colour RRGGBB --pixels N] [--hold SECONDS] -- PROGRAM ARGS...
//
// Sound: FILE is a recording of the sink's monitor that is still being written (16-bit stereo,
// 44.1 kHz). The first piece written after the program is started ties its place in the
// recording to the time it came; the first sample past the start that is not silence is the
// first sound, and its distance in samples from that place gives its time. The sink keeps real
// time, so this is the time at which the sound is played out, plus the recorder's latency.
//
// Picture: the whole screen is read through shared memory, over and over; the first picture is
// the first read with at least N pixels near the colour (the media carry a patch of it). Its
// time is the monotonic clock at that read, less the one at the start.
//
// Prints "sound SECONDS" and "frame SECONDS" (or "none"), then keeps the program running for
// the hold time (for measuring it meanwhile, its pid is printed first as "pid PID") and ends it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static long fileSize(const char* path) {
    struct stat s;
    return stat(path, &s) == 0 ? (long)s.st_size : -1;
}

// Offset (in bytes past `from`) of the first frame that is not silence, or -1 so far.
static long firstSound(const char* path, long from, long* scanned) {
    FILE* f = fopen(path, "rb");
    if (!f) return -1;
    if (fseek(f, from + *scanned, SEEK_SET) != 0) {
        fclose(f);
        return -1;
    }
    int16_t frame[2];
    long found = -1;
    while (fread(frame, sizeof frame, 1, f) == 1) {
        // A quiet dither is not sound yet.
        if (abs(frame[0]) > 64 || abs(frame[1]) > 64) {
            found = *scanned;
            break;
        }
        *scanned += (long)sizeof frame;
    }
    fclose(f);
    return found;
}

struct ScreenReader {
    Display* display;
    XImage* image;
    XShmSegmentInfo shm;
};

static int openScreen(struct ScreenReader* s) {
    s->display = XOpenDisplay(NULL);
    if (!s->display || !XShmQueryExtension(s->display)) return 0;
    const int screen = DefaultScreen(s->display);
    s->image = XShmCreateImage(s->display, DefaultVisual(s->display, screen),
                               (unsigned)DefaultDepth(s->display, screen), ZPixmap, NULL, &s->shm,
                               (unsigned)DisplayWidth(s->display, screen),
                               (unsigned)DisplayHeight(s->display, screen));
    if (!s->image) return 0;
    s->shm.shmid = shmget(IPC_PRIVATE, (size_t)s->image->bytes_per_line * (size_t)s->image->height,
                          IPC_CREAT | 0600);
    s->shm.shmaddr = s->image->data = static_cast<char*>(shmat(s->shm.shmid, nullptr, 0));
    s->shm.readOnly = False;
    XShmAttach(s->display, &s->shm);
    XSync(s->display, False);
    shmctl(s->shm.shmid, IPC_RMID, NULL); // freed once both sides let go
    return 1;
}

static int near(unsigned a, unsigned b) {
    return a > b ? a - b < 40 : b - a < 40;
}

static long colourPixels(struct ScreenReader* s, unsigned colour) {
    XShmGetImage(s->display, DefaultRootWindow(s->display), s->image, 0, 0, AllPlanes);
    const unsigned r = (colour >> 16) & 0xff, g = (colour >> 8) & 0xff, b = colour & 0xff;
    long count = 0;
    // Every other pixel of every other row: a patch is large, the read is what costs.
    for (int y = 0; y < s->image->height; y += 2) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(s->image->data + long{y} * s->image->bytes_per_line);
        for (int x = 0; x < s->image->width; x += 2) {
            const uint32_t p = row[x];
            if (near((p >> 16) & 0xff, r) && near((p >> 8) & 0xff, g) && near(p & 0xff, b)) ++count;
        }
    }
    return count * 4;
}

int main(int argc, char** argv) {
    const char* sound = NULL;
    unsigned colour = 0;
    long pixels = 0;
    double hold = 0, timeout = 20;
    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) break;
        if (strcmp(argv[i], "--sound") == 0)
            sound = argv[++i];
        else if (strcmp(argv[i], "--colour") == 0)
            colour = (unsigned)strtoul(argv[++i], NULL, 16);
        else if (strcmp(argv[i], "--pixels") == 0)
            pixels = atol(argv[++i]);
        else if (strcmp(argv[i], "--hold") == 0)
            hold = atof(argv[++i]);
        else if (strcmp(argv[i], "--timeout") == 0)
            timeout = atof(argv[++i]);
    }
    if (i + 1 >= argc) {
        fprintf(stderr, "usage: launch_probe [--sound FILE] [--colour RRGGBB --pixels N] "
                        "[--hold S] [--timeout S] -- PROGRAM ARGS...\n");
        return 2;
    }
    struct ScreenReader screen = {};
    if (pixels > 0 && !openScreen(&screen)) {
        fprintf(stderr, "launch_probe: no shared-memory screen\n");
        return 2;
    }

    const long mark = sound ? fileSize(sound) : 0;
    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    printf("pid %d\n", (int)child);
    fflush(stdout);

    double soundAt = -1, frameAt = -1;
    long scanned = 0;
    // The recorder writes in chunks, so the size at the start lags the sink by up to a chunk,
    // a different part of one each time. The first chunk to arrive after the start ties a
    // place in the recording to a time instead; what lags then is the recorder's latency only,
    // the same in every run.
    long tiedAt = -1;
    double tiedTime = 0;
    while (now() - start < timeout && ((sound && soundAt < 0) || (pixels > 0 && frameAt < 0))) {
        if (pixels > 0 && frameAt < 0 && colourPixels(&screen, colour) >= pixels)
            frameAt = now() - start;
        if (sound && tiedAt < 0) {
            const long size = fileSize(sound);
            if (size > mark) tiedAt = size, tiedTime = now() - start;
        }
        if (sound && tiedAt >= 0 && soundAt < 0) {
            const long at = firstSound(sound, mark, &scanned);
            if (at >= 0) soundAt = tiedTime + (double)(at - (tiedAt - mark)) / (44100.0 * 4);
        }
        if (waitpid(child, NULL, WNOHANG) == child) break;
        usleep(1000);
    }
    if (sound) soundAt >= 0 ? printf("sound %.4f\n", soundAt) : printf("sound none\n");
    if (pixels > 0) frameAt >= 0 ? printf("frame %.4f\n", frameAt) : printf("frame none\n");
    fflush(stdout);

    const double until = now() + hold;
    while (now() < until && waitpid(child, NULL, WNOHANG) == 0)
        usleep(50000);
    kill(child, SIGTERM);
    for (int tries = 0; tries < 50 && waitpid(child, NULL, WNOHANG) == 0; ++tries)
        usleep(100000);
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    return 0;
}

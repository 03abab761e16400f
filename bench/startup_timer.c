/* Starts a program on the X display and reports how long it took until its
 * first window was mapped, and the program's peak resident memory once it has
 * had a second to draw. The program is then ended.
 *
 *   startup-timer <working folder> <program>   prints "<ms> <peak RSS KiB>"
 */

#define _POSIX_C_SOURCE 200809L

#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long peak_rss_kib(pid_t pid)
{
    char path[64], line[256];
    long kib = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0)
            kib = strtol(line + 6, NULL, 10);
    fclose(f);
    return kib;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: startup-timer <working folder> <program>\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "startup-timer: no X display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        if (chdir(argv[1]) != 0 || !freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(127);
        execl(argv[2], argv[2], (char*)NULL);
        _exit(127);
    }

    double mapped = -1;
    struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
    while (mapped < 0 && now_ms() - start < 30000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mapped < 0)
                mapped = now_ms() - start;
        }
        if (mapped < 0 && waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "startup-timer: %s ended before it showed a window\n", argv[2]);
            return 1;
        }
        if (mapped < 0)
            poll(&fd, 1, 100);
    }
    if (mapped >= 0) {
        const struct timespec second = {1, 0};
        nanosleep(&second, NULL);
    }
    const long rss = peak_rss_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        fprintf(stderr, "startup-timer: no window within 30 s\n");
        return 1;
    }
    printf("%.1f %ld\n", mapped, rss);
    return 0;
}

// Starts a program and times how long its window takes to be mapped,
// waiting on the X server's map notifications instead of polling.
//
//   launch TIMEOUT_SECONDS TITLE PROGRAM [ARGUMENT...]
//
// Prints "PID NANOSECONDS WINDOW CPU_NANOSECONDS" once a top-level window
// titled TITLE is mapped: the wall time from just before the fork, and the
// CPU time the program's threads had used by then, which other load on the
// machine disturbs far less. Then waits for the program and exits with its
// exit status (128 + signal if it was killed).
// Exits with 124 if no such window is mapped in time.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::int64_t nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec;
}

std::string property(Display* display, Window window, Atom name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        if (format == 8) {
            value.assign(reinterpret_cast<const char*>(data), count);
        }
        XFree(data);
    }
    return value;
}

// Time on a CPU of every thread of process pid so far, from schedstat.
std::int64_t cpuNs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::int64_t sum = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            std::int64_t onCpu = 0;
            if (entry->d_name[0] != '.' && schedstat >> onCpu) {
                sum += onCpu;
            }
        }
        closedir(dir);
    }
    return sum;
}

int exitCode(int status)
{
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TIMEOUT_SECONDS TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::int64_t timeoutNs = std::atoll(argv[1]) * std::int64_t{1000000000};
    const std::string title = argv[2];

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch: cannot open the display\n");
        return 2;
    }
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    // Without a window manager a top-level window is a child of the root.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const int connection = ConnectionNumber(display);
    fcntl(connection, F_SETFD, FD_CLOEXEC);

    const std::int64_t start = nowNs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("launch: fork");
        return 2;
    }
    if (child == 0) {
        execv(argv[3], argv + 3);
        std::perror("launch: exec");
        _exit(127);
    }

    Window found = None;
    std::int64_t mappedAt = 0;
    while (found == None) {
        while (found == None && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) {
                continue;
            }
            const Window window = event.xmap.window;
            if (property(display, window, netWmName) == title ||
                property(display, window, XA_WM_NAME) == title) {
                found = window;
                mappedAt = nowNs();
            }
        }
        if (found != None) {
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "launch: the program ended before its window was mapped\n");
            return exitCode(status) == 0 ? 1 : exitCode(status);
        }
        const std::int64_t left = start + timeoutNs - nowNs();
        if (left <= 0) {
            std::fprintf(stderr, "launch: no window titled \"%s\" was mapped\n", title.c_str());
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 124;
        }
        // Woken by the next X event, or every 100 ms to notice an early exit.
        pollfd wake{connection, POLLIN, 0};
        poll(&wake, 1, left < 100000000 ? static_cast<int>(left / 1000000) + 1 : 100);
    }
    const std::int64_t cpuAtMap = cpuNs(child);
    XCloseDisplay(display);

    std::printf("%d %lld %lu %lld\n", static_cast<int>(child), static_cast<long long>(mappedAt - start),
                static_cast<unsigned long>(found), static_cast<long long>(cpuAtMap));
    std::fflush(stdout);

    int status = 0;
    waitpid(child, &status, 0);
    return exitCode(status);
}

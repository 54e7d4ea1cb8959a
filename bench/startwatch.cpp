// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

// startwatch PROGRAM [ARGS...]
// Starts PROGRAM and waits for it to map a top-level window on the X display.
// Prints the milliseconds from exec to the MapNotify and the program's
// resident memory at that moment (kB), then ends the program.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_setup_t *setup = xcb_get_setup(connection);
    auto screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        std::perror("exec");
        _exit(127);
    }

    int status = 1;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (poll(&fd, 1, 10000) > 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                                && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (!mapped)
                continue;
            const auto elapsed = std::chrono::steady_clock::now() - start;
            const long rss = residentKb(pid);
            std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(), rss);
            status = 0;
            goto done;
        }
        if (xcb_connection_has_error(connection))
            break;
    }
    std::fprintf(stderr, "%s mapped no window\n", argv[1]);
done:
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}

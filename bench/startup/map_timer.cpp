// Starts a program and measures it as a desktop user meets it: the time from starting the
// process until its first window is mapped, and its resident memory one second later.
// Prints "<milliseconds> <resident kB>" and ends the program with SIGTERM.
//
//   map_timer PROGRAM [ARGUMENT...]      (DISPLAY names the X server to watch)
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kGiveUpMs = 30000;
constexpr auto kSettle = std::chrono::seconds(1);

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Waits for the first ordinary top-level window to be mapped; false when none comes in time.
bool WaitForMap(xcb_connection_t* connection)
{
    const int descriptor = xcb_get_file_descriptor(connection);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kGiveUpMs);
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(raw)->override_redirect)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        pollfd ready{descriptor, POLLIN, 0};
        poll(&ready, 1, 100);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Top-level windows are children of the root window: their mapping is reported there.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = WaitForMap(connection);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    int result = 1;
    if (mapped) {
        std::this_thread::sleep_for(kSettle);
        std::printf("%.1f %ld\n", elapsed.count(), ResidentKilobytes(child));
        result = 0;
    } else {
        std::fprintf(stderr, "%s mapped no window\n", argv[1]);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return result;
}

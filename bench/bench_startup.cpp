// Start-up of the program beside a bare Qt Widgets window (bare_window): the time
// from the process start to its window mapped on the X display, and to the first
// frame drawn into it, as another client of the display sees them. The two
// programs are started in turns so that a load on the machine falls on both.
// Prints the medians, their ratio and the median ratio within a pair of starts;
// asserts nothing.
// Usage: bench_startup RUNS BARE_WINDOW PROGRAM [ARGS...]   (DISPLAY must be set)

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double mappedMs = 0;
    double drawnMs = 0;
};

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

class Display
{
public:
    Display()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        // Without a window manager a program's window is a child of the root:
        // its MapNotify arrives through the root's substructure.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_c, &xcb_damage_id);
        if (damage && damage->present) {
            m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
            free(xcb_damage_query_version_reply(
                m_c,
                xcb_damage_query_version(m_c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
                nullptr));
        }
        xcb_flush(m_c);
        m_ok = true;
    }
    ~Display() { xcb_disconnect(m_c); }
    bool ok() const { return m_ok; }
    bool hasDamage() const { return m_damageEvent != 0; }

    // Starts the program and waits for its first top-level window to be mapped and
    // then drawn into. The program is ended afterwards.
    std::optional<Start> measure(const std::vector<std::string> &command)
    {
        std::vector<char *> argv;
        for (const std::string &a : command)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);

        Start s;
        pid_t pid = 0;
        const Clock::time_point t0 = Clock::now();
        // The programs' own output would only mix with the figures.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (spawned != 0) {
            std::fprintf(stderr, "bench: cannot start %s: %s\n", argv[0], std::strerror(spawned));
            return std::nullopt;
        }
        // Damage is watched from each window's creation, before anything can be
        // drawn into it: the first damage of the window that gets mapped is the
        // program's first frame. (Qt's windows have no background the server
        // would paint on mapping.)
        xcb_window_t window = 0;
        bool drawn = false;
        while (!drawn && msSince(t0) < 20000) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(m_c),
                                                                        &free);
            if (!event) {
                if (xcb_connection_has_error(m_c))
                    break;
                waitForInput(20);
                continue;
            }
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY && hasDamage()) {
                const auto *create = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
                if (create->parent == m_root)
                    xcb_damage_create(m_c, xcb_generate_id(m_c), create->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(m_c);
            } else if (type == XCB_MAP_NOTIFY && !window) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
                if (map->event != m_root || map->override_redirect)
                    continue;
                s.mappedMs = msSince(t0);
                window = map->window;
                if (!hasDamage())
                    break;
            } else if (window && type == m_damageEvent) {
                const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
                if (d->drawable != window)
                    continue;
                s.drawnMs = msSince(t0);
                drawn = true;
            }
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        // Events of the ended windows (unmap, destroy, late damage) belong to no run;
        // their damage objects went with them.
        drain();
        if (!window || (hasDamage() && !drawn)) {
            std::fprintf(stderr, "bench: %s showed no window\n", argv[0]);
            return std::nullopt;
        }
        return s;
    }

private:
    void waitForInput(int ms)
    {
        fd_set fds;
        FD_ZERO(&fds);
        const int fd = xcb_get_file_descriptor(m_c);
        FD_SET(fd, &fds);
        timeval tv{0, ms * 1000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    void drain()
    {
        free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); // a round trip
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_c))
            free(e);
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_damageEvent = 0;
    bool m_ok = false;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup RUNS BARE_WINDOW PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> bare{argv[2]};
    const std::vector<std::string> program(argv + 3, argv + argc);
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "bench: cannot open the X display (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }

    std::vector<double> bareMapped, bareDrawn, programMapped, programDrawn;
    display.measure(bare); // the first start fills the file caches for both
    display.measure(program);
    for (int i = 0; i < runs; ++i) {
        for (auto [command, mapped, drawn] :
             {std::tuple{&bare, &bareMapped, &bareDrawn},
              std::tuple{&program, &programMapped, &programDrawn}}) {
            const std::optional<Start> s = display.measure(*command);
            if (!s)
                return 1;
            mapped->push_back(s->mappedMs);
            drawn->push_back(s->drawnMs);
        }
    }

    std::printf("start-up, median of %d starts each, process start to ...\n", runs);
    std::printf("%-22s %12s %12s\n", "", "window mapped", "first frame");
    auto row = [&](const char *name, const std::vector<double> &m, const std::vector<double> &d) {
        if (display.hasDamage())
            std::printf("%-22s %10.1f ms %10.1f ms\n", name, median(m), median(d));
        else
            std::printf("%-22s %10.1f ms %12s\n", name, median(m), "-");
    };
    row("bare Qt window", bareMapped, bareDrawn);
    row("switchpanel-config", programMapped, programDrawn);
    // Each start of the program follows one of the bare window: the ratio within
    // such a pair is less moved by the load of the moment than that of the medians.
    auto pairedRatio = [](const std::vector<double> &program, const std::vector<double> &bare) {
        std::vector<double> r;
        for (size_t i = 0; i < program.size(); ++i)
            r.push_back(program[i] / bare[i]);
        return median(r);
    };
    if (display.hasDamage()) {
        std::printf("%-22s %11.2fx %11.2fx\n", "ratio", median(programMapped) / median(bareMapped),
                    median(programDrawn) / median(bareDrawn));
        std::printf("%-22s %11.2fx %11.2fx\n", "median ratio of a pair",
                    pairedRatio(programMapped, bareMapped), pairedRatio(programDrawn, bareDrawn));
    } else {
        std::printf("%-22s %11.2fx\n", "ratio", median(programMapped) / median(bareMapped));
        std::printf("%-22s %11.2fx\n", "median ratio of a pair",
                    pairedRatio(programMapped, bareMapped));
    }
    return 0;
}

// Time from starting a program to its first frame on screen, seen from outside the program.
//
// Usage: startup_time [--runs N] -- PROGRAM [ARGS...]
//
// Runs on an X display of its own (scripts/startup_time.sh starts Xvfb with a black root window). It
// listens for new top-level windows (SubstructureNotify on the root), puts a Damage object on each as
// it is created, and takes the first damage on a mapped window whose pixels are no longer all black
// as the first frame: the program has then drawn into the window, and the X server holds its pixels.
// Each run starts the program, waits for that frame, kills the program and waits for it to exit.
// Every run is printed, then the median.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kFrameTimeout = std::chrono::seconds(20);

// The spot whose pixels must hold the program's drawing: a strip near the top-left corner, where the
// main window has its title strip and a bare window its plain background.
constexpr int kSpotX = 8;
constexpr int kSpotY = 8;
constexpr int kSpotWidth = 64;
constexpr int kSpotHeight = 16;

struct Options {
    int runs = 10;
    std::vector<char*> command; // null-terminated
};

std::optional<Options> parseArguments(int argc, char** argv)
{
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
            if (options.runs < 1)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    if (options.command.empty())
        return std::nullopt;
    options.command.push_back(nullptr);
    return options;
}

// One X connection with the Damage extension ready and the root window watched.
class Display {
public:
    bool open()
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "startup_time: cannot connect to the X display (DISPLAY=%s)\n",
                         std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
            return false;
        }
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) {
            std::fprintf(stderr, "startup_time: the X server has no Damage extension\n");
            return false;
        }
        damageEvent_ = damage->first_event;
        // The extension must be told which version the client speaks before any other request.
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            connection_, xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask));
        if (error) {
            std::fprintf(stderr, "startup_time: cannot watch the root window (error %d)\n", error->error_code);
            std::free(error);
            return false;
        }
        return true;
    }

    ~Display()
    {
        if (connection_)
            xcb_disconnect(connection_);
    }

    // Waits for the first frame of a new top-level window; returns when it came, or nothing after the
    // timeout or when `childAlive` says the program has gone.
    template <typename Alive>
    std::optional<Clock::time_point> waitForFirstFrame(Clock::time_point deadline, Alive childAlive)
    {
        while (Clock::now() < deadline) {
            if (!childAlive())
                return std::nullopt;
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(connection_),
                                                                             &std::free);
            if (!event) {
                if (xcb_connection_has_error(connection_))
                    return std::nullopt;
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                ::poll(&fd, 1, 50);
                continue;
            }
            const Clock::time_point at = Clock::now();
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (create->parent == root_)
                    watch(create->window);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (auto it = windows_.find(map->window); it != windows_.end())
                    it->second.mapped = true;
            } else if (type == XCB_DESTROY_NOTIFY) {
                windows_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window);
            } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
                auto it = windows_.find(damage->drawable);
                if (it == windows_.end())
                    continue;
                // Re-arm: with the non-empty level the server reports again only after this.
                xcb_damage_subtract(connection_, damage->damage, XCB_NONE, XCB_NONE);
                xcb_flush(connection_);
                if (it->second.mapped && holdsDrawing(damage->drawable))
                    return at;
            }
            // Errors (a window gone before its Damage object was made, an input-only window) are
            // expected here and change nothing.
        }
        return std::nullopt;
    }

    void forgetWindows() { windows_.clear(); }

private:
    struct Watched {
        bool mapped = false;
    };

    void watch(xcb_window_t window)
    {
        const xcb_damage_damage_t damage = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
        windows_[window] = Watched{};
    }

    // The spot's pixels are not all black: the window shows what the program drew (the root window
    // under it is black, and so is a window the program has not painted yet).
    bool holdsDrawing(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
            xcb_get_image_reply(connection_,
                                xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, kSpotX, kSpotY,
                                              kSpotWidth, kSpotHeight, ~0u),
                                nullptr),
            &std::free);
        if (!image)
            return false;
        const uint8_t* data = xcb_get_image_data(image.get());
        const int length = xcb_get_image_data_length(image.get());
        return std::any_of(data, data + length, [](uint8_t byte) { return byte != 0; });
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, Watched> windows_;
};

// Ends the program: politely first, then for good; returns once it has exited.
void stopChild(pid_t child)
{
    ::kill(child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(child, nullptr, WNOHANG) == child)
            return;
        ::usleep(10'000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseArguments(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s [--runs N] -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display display;
    if (!display.open())
        return 1;

    std::vector<double> times;
    for (int run = 1; run <= options->runs; ++run) {
        display.forgetWindows();
        pid_t child = 0;
        const Clock::time_point start = Clock::now();
        const int spawned =
            ::posix_spawn(&child, options->command.front(), nullptr, nullptr, options->command.data(), environ);
        if (spawned != 0) {
            std::fprintf(stderr, "startup_time: cannot start %s: %s\n", options->command.front(),
                         std::strerror(spawned));
            return 1;
        }
        bool exited = false;
        const std::optional<Clock::time_point> frame = display.waitForFirstFrame(start + kFrameTimeout, [&] {
            exited = exited || ::waitpid(child, nullptr, WNOHANG) == child;
            return !exited;
        });
        if (!exited)
            stopChild(child);
        if (!frame) {
            std::fprintf(stderr, "startup_time: run %d: no first frame (%s)\n", run,
                         exited ? "the program exited" : "timed out");
            return 1;
        }
        const double ms = std::chrono::duration<double, std::milli>(*frame - start).count();
        times.push_back(ms);
        std::printf("run %2d: %7.1f ms\n", run, ms);
        std::fflush(stdout);
    }
    std::printf("median: %7.1f ms (%d runs)\n", median(times), options->runs);
    return 0;
}

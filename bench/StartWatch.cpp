#include "bench/StartWatch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A window may be gone by the time the watch asks about it; that only means
// it was not the one being waited for.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// The watch's own environment, with Qt sent to the X display whatever
// platform the caller had chosen for itself.
std::vector<std::string> ChildEnvironment() {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0) entries.emplace_back(*entry);
    entries.emplace_back("QT_QPA_PLATFORM=xcb");
    return entries;
}

// The process that owns window, as Qt records it on each top-level window.
pid_t OwnerOf(Display* display, Window window) {
    Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1)
        pid = pid_t(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// The peak resident memory of the running process pid in KiB, 0 when it
// cannot be read. The kernel keeps it for the program's own address space;
// the child's rusage would not do, since a spawn hands the child's count the
// spawner's own peak as it was at the exec.
long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void End(pid_t pid) {
    ::kill(pid, SIGTERM);
    int status;
    ::waitpid(pid, &status, 0);
}

}  // namespace

StartWatch::StartWatch(std::string messagesPath) : messagesPath_(std::move(messagesPath)) {
    if (!std::getenv("DISPLAY")) {
        problem_ = "no X display (DISPLAY is not set; `make bench` runs the bench under xvfb-run)";
        return;
    }
    display_ = XOpenDisplay(nullptr);
    if (!display_) {
        problem_ = std::string("cannot open the X display ") + std::getenv("DISPLAY");
        return;
    }
    int errorBase;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
        problem_ = "the X display has no DAMAGE extension";
        return;
    }
    XSetErrorHandler(IgnoreXError);
    // Every top-level window is a child of the root: its creation is seen here.
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

StartWatch::~StartWatch() {
    if (display_) XCloseDisplay(display_);
}

StartResult StartWatch::Start(const std::string& program, double timeoutSeconds, double settleSeconds) {
    StartResult result;
    if (!problem_.empty()) {
        result.failure = problem_;
        return result;
    }
    // Whatever the previous start left in the queue is no news of this one.
    XSync(display_, True);

    std::vector<std::string> environment = ChildEnvironment();
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, messagesPath_.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);

    const Clock::time_point start = Clock::now();
    pid_t pid;
    int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.failure = "cannot start " + program + ": " + std::strerror(spawned);
        return result;
    }

    std::set<Window> created;
    bool exited = false;
    const int connection = ConnectionNumber(display_);
    while (!result.shown) {
        double left = timeoutSeconds - SecondsSince(start);
        if (left <= 0) {
            result.failure = program + " showed no window within " + std::to_string(timeoutSeconds) + " s";
            break;
        }
        if (XPending(display_) == 0) {
            // Short waits, so a program that dies before showing is noticed.
            struct pollfd ready {connection, POLLIN, 0};
            ::poll(&ready, 1, std::clamp(int(left * 1000), 1, 50));
            int status;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                exited = true;
                result.failure = program + " ended before it showed a window";
                break;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display_, &event);
        // Taken before asking the server anything, which costs a round trip.
        const double seenAt = SecondsSince(start);
        if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display_)) {
            // Watched from its creation on, before the program can draw in it.
            XDamageCreate(display_, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display_);
            created.insert(event.xcreatewindow.window);
        } else if (event.type == damageEventBase_ + XDamageNotify) {
            Window drawn = reinterpret_cast<XDamageNotifyEvent&>(event).drawable;
            if (created.count(drawn) && OwnerOf(display_, drawn) == pid) {
                result.secondsToShown = seenAt;
                result.shown = true;
            }
        }
    }

    if (result.shown) {
        std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
        result.peakKiB = PeakResidentKiB(pid);
        if (result.peakKiB == 0) result.failure = "cannot read the peak memory of " + program;
    }
    if (!exited) End(pid);
    if (!result.shown) result.failure = WithMessages(result.failure);
    return result;
}

std::string StartWatch::WithMessages(const std::string& failure) const {
    // The first lines are enough to tell why; a crash may print many more.
    constexpr size_t kShownBytes = 2000;
    std::ifstream messages(messagesPath_);
    std::string text(kShownBytes, '\0');
    messages.read(text.data(), std::streamsize(text.size()));
    text.resize(size_t(messages.gcount()));
    if (text.empty()) return failure;
    return failure + "; it said:\n" + text;
}

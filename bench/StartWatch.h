#pragma once
#include <string>

typedef struct _XDisplay Display;

// What one start of a program came to.
struct StartResult {
    bool shown = false;
    std::string failure;        // empty when both figures below were taken
    double secondsToShown = 0;  // from the spawn to the window's first frame
    long peakKiB = 0;           // the program's peak resident memory
};

// Starts programs on the X display named by DISPLAY and times each from its
// spawn until its first top-level window has drawn its first frame: the
// moment a person sees the window. The frame is seen through the server's
// DAMAGE reports, so the program needs no hook of its own. The display must
// be one of the watch's own (Xvfb), with no window manager and no other
// program opening windows meanwhile.
class StartWatch {
public:
    // What the programs print to their error output goes to messagesPath,
    // each start's replacing the last's, and comes back with a failed start.
    explicit StartWatch(std::string messagesPath);
    ~StartWatch();
    StartWatch(const StartWatch&) = delete;
    StartWatch& operator=(const StartWatch&) = delete;

    // Empty when the watch can time starts, else why it cannot.
    const std::string& Problem() const { return problem_; }

    // Runs program, waits at most timeoutSeconds for its first frame, lets it
    // run settleSeconds more so its peak covers the shown window at rest,
    // then ends it.
    StartResult Start(const std::string& program, double timeoutSeconds, double settleSeconds);

private:
    // The failure with what the program said before it.
    std::string WithMessages(const std::string& failure) const;

    std::string messagesPath_;
    Display* display_ = nullptr;
    int damageEventBase_ = 0;
    std::string problem_;
};

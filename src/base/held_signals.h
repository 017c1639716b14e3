// The signals that would end a run while it changes files.
#pragma once

#include <signal.h>

namespace vendrel {

// Makes a failed write answer for itself: SIGPIPE and SIGXFSZ are ignored
// for the rest of the run, so that writing to a closed pipe or past the
// file-size limit fails with an error the run reports, instead of ending it.
void ignore_write_signals();

// While an object lives, SIGHUP, SIGINT, SIGQUIT and SIGTERM wait instead
// of ending the run. The writer asks interrupted() at the points where it
// can still give up with nothing changed; once a change has landed, it
// forgets the waiting signals, since the run then finishes as it should.
class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

    // Whether one of the held signals came; it is taken, not delivered.
    static bool interrupted();
    // Waits up to the given milliseconds for a held signal; true when one
    // came (it is taken, not delivered).
    static bool interrupted_within(int milliseconds);
    // Takes every held signal that is waiting, so that none is delivered.
    static void forget_pending();

private:
    sigset_t previous_{};
};

}  // namespace vendrel

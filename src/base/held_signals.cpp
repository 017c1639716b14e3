#include "base/held_signals.h"

#include <ctime>
#include <initializer_list>

namespace vendrel {

namespace {

sigset_t termination_signals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&signals, signal);
    return signals;
}

bool take_signal(int milliseconds) {
    const sigset_t signals = termination_signals();
    const timespec wait{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    return sigtimedwait(&signals, nullptr, &wait) > 0;
}

}  // namespace

void ignore_write_signals() {
    for (int signal : {SIGPIPE, SIGXFSZ}) ::signal(signal, SIG_IGN);
}

HeldSignals::HeldSignals() {
    const sigset_t held = termination_signals();
    sigprocmask(SIG_BLOCK, &held, &previous_);
}

HeldSignals::~HeldSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

bool HeldSignals::interrupted() { return take_signal(0); }

bool HeldSignals::interrupted_within(int milliseconds) { return take_signal(milliseconds); }

void HeldSignals::forget_pending() {
    while (take_signal(0)) {
    }
}

}  // namespace vendrel

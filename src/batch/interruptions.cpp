// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/interruptions.h"

#include <unistd.h>

#include <csignal>

namespace zephra::batch {

namespace {

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
volatile std::sig_atomic_t caught = 0;

extern "C" void noteInterruption(int signal) {
    caught = signal;
}

}  // namespace

void catchInterruptions() {
    struct sigaction action {};
    action.sa_handler = noteInterruption;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // a write under way completes; the loop sees the signal after it
    for (int signal : kInterruptions) {
        // A signal ignored from the start (nohup) stays ignored.
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

int interruption() {
    return caught;
}

void dieOfInterruption() {
    const int signal = caught;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    ::_exit(128 + signal);  // a signal the process blocks: the shell's status for it all the same
}

}  // namespace zephra::batch

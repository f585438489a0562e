// Keeps the process, and every thread it starts meanwhile, on the CPU it runs on, so that the open
// and the bare query it is compared with share one core on a busy machine. The former affinity comes
// back when this goes.
#pragma once

#include <sched.h>

namespace tavrik {

class PinnedToOneCpu {
public:
    PinnedToOneCpu();
    ~PinnedToOneCpu();
    PinnedToOneCpu(const PinnedToOneCpu&) = delete;
    PinnedToOneCpu& operator=(const PinnedToOneCpu&) = delete;

    // The CPU, or -1 when the system refused to pin.
    int Cpu() const { return cpu_; }

private:
    cpu_set_t former_;
    bool restore_ = false;
    int cpu_ = -1;
};

} // namespace tavrik

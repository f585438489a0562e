#include "bench/PinnedToOneCpu.h"

namespace tavrik {

PinnedToOneCpu::PinnedToOneCpu() {
    CPU_ZERO(&former_);
    if (sched_getaffinity(0, sizeof(former_), &former_) != 0)
        return;
    restore_ = true;
    const int cpu = sched_getcpu();
    if (cpu < 0)
        return;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cpu, &one);
    if (sched_setaffinity(0, sizeof(one), &one) == 0)
        cpu_ = cpu;
}

PinnedToOneCpu::~PinnedToOneCpu() {
    if (restore_)
        sched_setaffinity(0, sizeof(former_), &former_);
}

} // namespace tavrik

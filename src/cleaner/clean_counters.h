#pragma once
// The running totals of one cleaning run, reported by the Clean command's summary.
#include <cstdint>

namespace aw {

struct CleanCounters {
    std::int32_t FilesDeleted = 0;
    // One per removed registry key tree or value, however many sub-keys it held.
    std::int32_t RegistryKeysDeleted = 0;
    // 64-bit so that a run freeing more than 2 GB still reports the true total.
    std::int64_t BytesCleaned = 0;
    // What the run meant to remove and had to leave (a file, a registry key, a database), and
    // how many of those another program held. Links and other entries the safety rules refuse
    // are not among them.
    std::int32_t ItemsLeft = 0;
    std::int32_t ItemsLeftInUse = 0;

    void countLeft(bool inUse)
    {
        ItemsLeft += 1;
        ItemsLeftInUse += inUse ? 1 : 0;
    }

    void reset() { *this = CleanCounters{}; }
};

} // namespace aw

#include "tape/tape_containers.h"

#include "tape/ptp_file.h"
#include "tape/tap_file.h"

namespace vendrel {

namespace {

constexpr TapeContainer kTapeContainers[] = {
    {&kTapFormat, write_tap_file, read_tap_files},
    {&kPtpFormat, write_ptp_file, read_ptp_files},
};

}  // namespace

std::span<const TapeContainer> tape_containers() { return kTapeContainers; }

const TapeContainer& tape_container(const TapeFormat& format) {
    for (const TapeContainer& container : kTapeContainers) {
        if (container.format == &format) return container;
    }
    return kTapeContainers[0];
}

}  // namespace vendrel

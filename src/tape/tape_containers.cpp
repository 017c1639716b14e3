#include "tape/tape_containers.h"

#include "tape/prg_file.h"
#include "tape/ptp_file.h"
#include "tape/tap_file.h"
#include "tape/xex_file.h"

namespace vendrel {

namespace {

constexpr TapeContainer kTapeContainers[] = {
    {&kTapFormat, write_tap_file, read_tap_files},
    {&kPtpFormat, write_ptp_file, read_ptp_files},
    // The program files last: nearly any file reads as a PRG file.
    {&kXexFormat, write_xex_file, read_xex_files},
    {&kPrgFormat, write_prg_file, read_prg_files},
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

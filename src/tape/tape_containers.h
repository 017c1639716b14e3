// The tape files the program writes and reads: each format with its writer
// and its reader. A CPU's description names the format its image goes on.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/job.h"
#include "tape/tape_reader.h"
#include "target/image_format.h"
#include "target/routine_patch.h"

namespace vendrel {

struct TapeContainer {
    const TapeFormat* format;
    // Composes the tape file of routine's image into job.image_buffer.
    void (*write)(const RoutineLayout& routine, Job& job);
    // Appends the data of every file on the tape; false when the file is
    // not an intact tape of this format.
    bool (*read)(const std::uint8_t* file, int length, std::vector<TapeData>& files);
};

// Every tape format, in the order in which extraction tries to read a file.
std::span<const TapeContainer> tape_containers();

// The container of format, which must be one of the formats above.
const TapeContainer& tape_container(const TapeFormat& format);

}  // namespace vendrel

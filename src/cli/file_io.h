// Whole-file reading and writing, and the buffers of the Job.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cli/job.h"

namespace vendrel {

// Reads the whole file into buffer. Returns the number of bytes read, or a
// reported error code (-5 to -9) when it cannot, or when the file is longer
// than limit bytes (-8, before anything is read).
int read_whole_file(const char* path, std::uint8_t* buffer, int limit);

// Writes length bytes of data to the file, replacing it, or after its old
// content when append is set. Returns 0 or a reported error (-10 to -12).
int write_output_file(const char* path, const std::uint8_t* data, int length, bool append);

// Fills an empty slot with a new zero-filled buffer of size bytes. A slot
// that already holds a buffer is left as it is. Returns 0, or -2 (reported).
int allocate_zeroed(void** slot, std::size_t size);

template <typename T>
int allocate_zeroed(T*& slot, std::size_t size) {
    void* raw = slot;
    const int result = allocate_zeroed(&raw, size);
    slot = static_cast<T*>(raw);
    return result;
}

// Releases every buffer of the job and the job itself; job may be null.
void release_job(Job* job);

}  // namespace vendrel

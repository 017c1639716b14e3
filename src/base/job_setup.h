// Making a Job: its defaults, its buffers, the end mark behind the source
// text, and releasing it all together.
#pragma once

#include <cstddef>

#include "base/job.h"

namespace vendrel {

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

// Allocates a zero-filled Job with the defaults of a fresh command line: no
// addresses (-1), packing mode (-1 record numbers), no conversion table
// read (-1). Returns 0 or -2 (reported); job is null after a failure.
int create_job(Job*& job);

// Allocates the buffers of a run: text buffer, image buffer, symbol table
// and candidate table. Returns 0 or -2 (reported).
int allocate_job_buffers(Job& job);

// Places the end mark behind the source_length bytes of the text buffer,
// one byte earlier with -oa (the last byte takes no part then); an empty
// source keeps its end mark at the start.
void place_end_mark(Job& job);

}  // namespace vendrel

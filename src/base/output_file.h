// Writing output files whole, without ever losing what was there.
#pragma once

#include <cstdint>
#include <span>

namespace vendrel {

// One file a run writes: the name as given (messages name it so), the
// bytes, and whether they go after the file's old content. With a
// descriptor (not -1), the bytes go through it instead of the name.
struct OutputRequest {
    const char* path = nullptr;
    const std::uint8_t* data = nullptr;
    int length = 0;
    bool append = false;
    int descriptor = -1;
};

// Writes every output, all or nothing: when one fails, none changes.
// Returns 0 or a reported error (-10 to -12, or kInterrupted).
//
// - A regular file, or a name where none exists yet, is written under a
//   lock on its directory that every writer takes, so concurrent replaces
//   and appends end as some order of them, each whole. The new content
//   (the old bytes first, for an append) goes to ".name.vendrel-XXXXXX"
//   beside the file, with the old file's owner, group, permission bits and
//   extended attributes (the access control list among them), and is
//   renamed over it. A symlink is followed.
// - Where a rename would change what the file is (other hard links,
//   another user's file, an identity that cannot be copied, a directory
//   that takes no new file), the file is written in place under the lock,
//   its old bytes kept until the new ones are whole and put back on a
//   failure.
// - A name for a descriptor of the run (/dev/stdout, /dev/fd/N,
//   /proc/self/fd/N), a device, a FIFO: written as a stream, never
//   positioned or renamed over; such writes come last.
// - Termination signals wait while files change. One that comes before
//   any file changed, or while waiting for the lock, ends the writing with
//   kInterrupted and nothing changed; once the files changed, the run
//   finishes and the signal is forgotten.
int write_output_files(std::span<const OutputRequest> outputs);

// Writes length bytes of data to the file, replacing it, or after its old
// content when append is set, as write_output_files does.
int write_output_file(const char* path, const std::uint8_t* data, int length, bool append);

// Refuses an output file that is the source or the conversion file (the
// same file through any name, symlink or hard link; where the output does
// not exist yet, the same name). Either input may be null. Returns 0, or
// kOutputIsInput (reported) before anything is written.
int refuse_output_over_inputs(const char* output, const char* source, const char* conversion);

}  // namespace vendrel

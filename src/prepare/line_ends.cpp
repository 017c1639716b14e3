#include "prepare/line_ends.h"

#include <cstdint>

namespace vendrel {

void apply_line_end_policy(Job& job, bool keep_cr, bool keep_lf, bool to_space) {
    std::uint8_t* const text = job.text_buffer;
    int read = 0;
    int write = 0;
    // Only a space this pass wrote itself swallows the rest of a run of
    // line ends; a space that stood in the text before the run does not.
    bool space_written = false;

    // The buffer's size bounds the scan as well, so a text without an end
    // mark can never make the pass run off the buffer.
    while (read < kTextBufferSize && text[read] != kEndMark) {
        const std::uint8_t byte = text[read++];
        const bool removable = (byte == kCarriageReturn && !keep_cr) || (byte == kLineFeed && !keep_lf);
        if (!removable) {
            text[write++] = byte;
            space_written = false;
        } else if (to_space && !space_written) {
            text[write++] = ' ';
            space_written = true;
        }
    }
    // The write position never passes the read position, so the end mark
    // always lands inside the buffer.
    if (write < kTextBufferSize) text[write] = kEndMark;
}

}  // namespace vendrel

#include "pack/stream_marks.h"

namespace vendrel {

void clear_marks(Job& job) {
    for (std::uint8_t* byte = job.text_buffer; *byte != kEndMark; ++byte) {
        *byte &= kUnmarkedMask;
    }
}

}  // namespace vendrel

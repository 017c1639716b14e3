#include "pack/reference/stream_marks.h"

namespace vendrel::reference {

void clear_marks(Job& job) {
    for (std::uint8_t* byte = job.text_buffer; *byte != kEndMark; ++byte) {
        *byte &= kUnmarkedMask;
    }
}

}  // namespace vendrel::reference

#include "extract/packed_file.h"

#include <cstring>
#include <vector>

#include "base/errors.h"
#include "tape/tape_containers.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

bool recognise_raw_image(Job& job) { return recognise_known_image(job) != nullptr; }

// Places one file's data at the start of the text buffer as if it had been
// loaded alone: the bytes of the tape file behind it, up to the tape's
// length, become the zero bytes that follow a loaded file.
void load_tape_data(Job& job, const std::uint8_t* tape, int tape_length, const TapeData& data) {
    std::memcpy(job.text_buffer, tape + data.offset, static_cast<std::size_t>(data.length));
    std::memset(job.text_buffer + data.length, 0, static_cast<std::size_t>(tape_length - data.length));
    job.source_length = data.length;
}

}  // namespace

int recognise_packed_file(Job& job) {
    // An image recognised but not the one asked for has pointed the symbol
    // table into the text buffer; a refusal leaves the Job's own in place.
    std::uint8_t* const own_symbol_table = job.symbol_table;
    std::uint8_t* const own_symbol_end = job.symbol_end;
    const auto refuse = [&](int code) {
        job.symbol_table = own_symbol_table;
        job.symbol_end = own_symbol_end;
        return report_error(code, job.source_path);
    };

    const int wanted = job.tape_block > 0 ? job.tape_block : 1;
    if (recognise_raw_image(job)) return wanted == 1 ? 0 : refuse(kBadTapeBlock);

    // The tape stays whole in the image buffer, which extraction fills only
    // later, while its files take turns in the text buffer.
    const int tape_length = job.source_length;
    if (tape_length < 0 || tape_length > kImageBufferSize) return refuse(kNotPackedFile);
    std::uint8_t* const tape = job.image_buffer;
    std::memcpy(tape, job.text_buffer, static_cast<std::size_t>(tape_length));

    // The first format that reads the file whole and finds an image in it
    // counts the blocks: a file of one format can read as a whole tape of
    // another by chance (two PTP blocks whose bytes happen to check as TAP
    // blocks), but then it holds no image in that format.
    int images = 0;
    for (const TapeContainer& container : tape_containers()) {
        std::vector<TapeData> files;
        if (!container.read(tape, tape_length, files)) continue;
        for (const TapeData& data : files) {
            load_tape_data(job, tape, tape_length, data);
            if (recognise_raw_image(job) && ++images == wanted) return 0;
        }
        if (images > 0) break;
    }
    return refuse(images == 0 ? kNotPackedFile : kBadTapeBlock);
}

}  // namespace vendrel

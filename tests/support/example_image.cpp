#include "support/example_image.h"

#include <algorithm>

namespace vendrel::test {

void set_example(Job& job) {
    std::copy(kExampleSymbols.begin(), kExampleSymbols.end(), job.symbol_table);
    std::copy(kExampleStream.begin(), kExampleStream.end(), job.text_buffer);
    job.text_buffer[kExamplePackedLength] = kEndMark;
    job.char_count = kExampleCharCount;
    job.symbol_table_size = kExampleSymbolTableSize;
    job.symbol_end = job.symbol_table + kExampleSymbolTableSize;
    job.packed_length = kExamplePackedLength;
    job.record_count = 7;
    job.source_length = 30;
}

}  // namespace vendrel::test

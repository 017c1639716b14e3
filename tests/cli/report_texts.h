// Packing reports the tests expect byte for byte: the story "|abcabcabc|
// abcabc|" (18 bytes, packed to the stream 0 6 5 0 6 0 with the symbol
// table "|abc" and three pairs, 2 records) and the empty text.
#pragma once

#include <string>

namespace vendrel::test {

inline const std::string kStoryHead =
    "Length of source text:\t\t18 bytes\n"
    "Length of packed text:\t\t6 bytes (33.33%)\n"
    "Number of differenet chars:\t4\n"
    "Number of records:\t\t2\n";

inline const std::string kStoryZ80Report = kStoryHead +
                                           "Length of routine:\t\t58 bytes\n"
                                           "Size of character table:\t10 bytes\n"
                                           "Total length:\t\t\t74 bytes (411.11%)\n";

inline const std::string kStoryI8080Report = kStoryHead +
                                             "Length of routine:\t\t72 bytes\n"
                                             "Size of character table:\t10 bytes\n"
                                             "Total length:\t\t\t88 bytes (488.89%)\n";

inline const std::string kEmptyZ80Report =
    "Length of source text:\t\t0 bytes\n"
    "Length of packed text:\t\t0 bytes (0.00%)\n"
    "Number of differenet chars:\t0\n"
    "Number of records:\t\t-1\n"
    "Length of routine:\t\t58 bytes\n"
    "Size of character table:\t0 bytes\n"
    "Total length:\t\t\t58 bytes (0.00%)\n";

}  // namespace vendrel::test

// The bundled samples with the options the documentation packs them with,
// for the program tests that run every sample through a container.
#pragma once

#include <string>
#include <vector>

namespace vendrel::test {

inline const std::string kSamples = std::string(VENDREL_SOURCE_DIR) + "/samples/";

struct Sample {
    const char* file;
    std::vector<std::string> options;  // as the documentation packs it
};

inline const Sample kSampleFiles[] = {
    {"adventure.txt", {}},
    {"czech.txt", {"-ct", kSamples + "czech.ct"}},
    {"letter.dtp", {"-dtp"}},
};

}  // namespace vendrel::test

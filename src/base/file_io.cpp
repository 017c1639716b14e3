#include "base/file_io.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/errors.h"

namespace vendrel {

int read_whole_file(const char* path, std::uint8_t* buffer, int limit) {
    // A directory opens as a stream on some systems, with a length that
    // means nothing: it is no file to read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return report_error(kCannotOpenInput, path);

    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return report_error(kCannotOpenInput, path);

    int result = 0;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) != 0) {
        result = report_error(kCannotAccessInput, path);
    } else if ((length = std::ftell(file)) < 0) {
        result = report_error(kCannotGetInputLength, path);
    } else if (length > limit) {
        result = report_error(kInputTooLong, path);
    } else if (std::fseek(file, 0, SEEK_SET) != 0) {
        result = report_error(kCannotAccessInput, path);
    } else {
        const std::size_t wanted = static_cast<std::size_t>(length);
        const std::size_t got = std::fread(buffer, 1, wanted, file);
        // A file that grew since its length was taken is read only up to
        // that length; one more byte still waiting tells that it grew.
        const bool shrank = got < wanted;
        const bool grew = !shrank && std::fgetc(file) != EOF;
        if (shrank || grew || std::ferror(file)) {
            result = report_error(kCannotReadInput, path);
        } else {
            result = static_cast<int>(length);
        }
    }
    std::fclose(file);
    return result;
}

}  // namespace vendrel

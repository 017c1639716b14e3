// Where an output name leads: the file a chain of symlinks ends at, the
// directory it stands in, and whether two names lead to one file.
#pragma once

#include <filesystem>
#include <string>

namespace vendrel {

// The file a chain of symlinks ends at (which need not exist yet).
std::filesystem::path follow_links(std::filesystem::path path);

// The name of the file that writing path changes, with its directory's
// real path, so that two names for one file compare equal whether or not
// the file exists yet (empty when the directory does not exist).
std::filesystem::path real_output_name(const char* path);

// Whether writing either name would change the other's file.
bool same_output_file(const char* first, const char* second);

// ".name.vendrel-XXXXXX" beside the target, the name shortened to keep
// within the longest file name; a template for mkstemp.
std::string temporary_name(const std::filesystem::path& target);

// Removes the temporary files of target that runs killed by SIGKILL left
// behind. Only for a run that holds the directory's lock: every other
// writer makes its temporary file under that lock, so none is in use.
void remove_stale_temporaries(const std::filesystem::path& target);

}  // namespace vendrel

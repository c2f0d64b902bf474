#pragma once
// The temporary file a save writes before it renames it over the real file. It is named after the
// file and the saving process ("config.ini.tmp4711"), so that a save cut off half-way leaves a
// name that tells whether its writer still runs.
#include <filesystem>

namespace pelorin {

std::filesystem::path temporaryFor(const std::filesystem::path& file);

// Removes the temporaries whose writer no longer runs, and this process's own (it is not writing
// one while it asks). A temporary that another running process may still be writing is left
// alone. The first form looks for file's temporaries beside it, the second for those of any
// file in the folder.
void removeStaleTemporaries(const std::filesystem::path& file);
void removeStaleTemporariesIn(const std::filesystem::path& folder);

}  // namespace pelorin

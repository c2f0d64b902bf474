#pragma once
// The temporary file a save writes before it renames it over the real file. It is named after the
// file and the saving process ("config.ini.tmp4711"), so that a save cut off half-way leaves a
// name that tells whether its writer still runs.
#include <filesystem>
#include <optional>
#include <string_view>

namespace pelorin {

std::filesystem::path temporaryFor(const std::filesystem::path& file);

// The writer's process id when name is "<file name>.tmp<digits>"; with an empty file name any
// non-empty base is accepted. None for every other name.
std::optional<long> temporaryOwner(std::string_view name, std::string_view fileName);

// Removes the temporaries whose writer no longer runs, and this process's own (it is not writing
// one while it asks). A temporary that another running process may still be writing is left
// alone. The first form looks for file's temporaries beside it, the second for those of any
// file in the folder.
void removeStaleTemporaries(const std::filesystem::path& file);
void removeStaleTemporariesIn(const std::filesystem::path& folder);

}  // namespace pelorin

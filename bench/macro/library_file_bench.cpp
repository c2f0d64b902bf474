// Reading and writing a library of 3,000 macros through the text file, reported as file bytes
// per second each way.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "keys/decimal_text.h"
#include "macro/library_file.h"

namespace pelorin {
namespace {

constexpr int kFolders = 50;
constexpr int kMacrosPerFolder = 60;  // 50 x 60 = 3,000 macros

MacroLibrary largeLibrary() {
  MacroLibrary library;
  std::mt19937 random(7);
  for (int f = 0; f < kFolders; ++f) {
    LibraryLocation folder;
    library.newFolder(u"Folder " + decimalText(f), folder);
    for (int m = 0; m < kMacrosPerFolder; ++m) {
      LibraryLocation selection = folder;
      library.newMacro(u"Macro " + decimalText(f * kMacrosPerFolder + m), selection);
      MacroKey& macro = *library.itemAt(selection)->macro;
      for (std::size_t a = 0; a < 200; ++a) {
        const auto value = random();
        macro.insertAction(
            a, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
      }
    }
  }
  return library;
}

std::filesystem::path benchFile() {
  return std::filesystem::temp_directory_path() / "pelorin_bench_MacroLibraryFile.mlf";
}

void BM_WriteLibrary(benchmark::State& state) {
  const MacroLibrary library = largeLibrary();
  const auto path = benchFile();
  for (auto _ : state) {
    if (library.write(path, LibraryLocation{}) == 0) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
  std::filesystem::remove(path);
}

void BM_ReadLibrary(benchmark::State& state) {
  const auto path = benchFile();
  largeLibrary().write(path, LibraryLocation{});
  MacroLibrary library;
  for (auto _ : state) {
    if (library.read(path) == 0) state.SkipWithError("read failed");
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
  std::filesystem::remove(path);
}

BENCHMARK(BM_WriteLibrary)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);
BENCHMARK(BM_ReadLibrary)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

}  // namespace
}  // namespace pelorin

#include "macro/macro_transfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "macro/library_builder.h"

namespace pelorin {
namespace {

using testing::addFolder;
using testing::addMacro;
using testing::flatten;
using testing::sampleLibrary;
using Flat = std::vector<std::string>;

std::string utf16FileBytes(const std::string& asciiText) {
  std::string bytes = "\xFF\xFE";
  for (char c : asciiText) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// Folder "F" with nothing in it, then the macro "Jump": key index 7, loop type 4 with count 3,
// space pressed and released. The selection line points at Jump.
const std::string kJumpFile =
    "[MacroLibrary]\nMacroKeyIndex=8\n"
    "Select Locaton:stage=0;stage0Index=1;stage1Index=0;stage2Index=0;\n"
    "++++++++MacroItemName=F\n"
    "MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;\n"
    "MacroItemIsFolder=1\nMacroItemFolderIsOpen=0\n"
    "++++++++MacroItemName=Jump\n"
    "MacroItemLocation:stage=0;stage0Index=1;stage1Index=0;stage2Index=0;\n"
    "MacroItemIsFolder=0\nMacroItemFolderIsOpen=0\n"
    "MacroKeyIndex=7\nMacroKeyLoopType=4\nMacroKeyLoopNum=3\nMacroActionNum=2\n"
    "MacroCommandActionNum=2\n"
    "AllAction=2000000020800000" +
    std::string(334 * 8, '0') + "\n";

class Transfer : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = std::filesystem::temp_directory_path() / ("pelorin_mkf_" + std::to_string(seed()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path path() const { return folder_ / "Jump.mkf"; }
  std::string fileBytes() const {
    std::ifstream in(path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The file read the way an import reads it: into a library of its own, with its selection.
  MacroLibrary readFile(const std::string& text, LibraryLocation& fileSelection) const {
    std::ofstream(path(), std::ios::binary) << utf16FileBytes(text);
    MacroLibrary file;
    file.read(path(), &fileSelection);
    return file;
  }

  std::filesystem::path folder_;
};

TEST_F(Transfer, ExportingAMacroWritesTheLibraryPointingAtIt) {
  MacroLibrary library;
  library.setNextKeyIndex(7);
  addFolder(library, {}, u"F");
  LibraryLocation jump = addMacro(library, {}, u"Jump");
  MacroKey& macro = *library.itemAt(jump)->macro;
  macro.loopType = 4;
  macro.loopCount = 3;
  macro.insertAction(0, MacroAction::press(0x20));
  macro.insertAction(1, MacroAction::release(0x20));
  macro.commandCount = 2;
  EXPECT_EQ(exportFileName(library, jump, MacroFileKind::OneMacro), u"Jump.mkf");
  EXPECT_EQ(exportFileName(library, jump, MacroFileKind::AllMacros), u"Jump.mbf");
  EXPECT_EQ(exportFileName(library, {}, MacroFileKind::AllMacros), u"AllMacroKey.mbf");
  ASSERT_NE(library.write(path(), jump), 0);
  EXPECT_EQ(fileBytes(), utf16FileBytes(kJumpFile));
}

TEST_F(Transfer, ImportingAMacroCopiesItUnderANewKeyIndex) {
  LibraryLocation fileSelection;
  const MacroLibrary file = readFile(kJumpFile, fileSelection);
  MacroLibrary library;
  addMacro(library, {}, u"Jump");
  const LibraryLocation folder = addFolder(library, {}, u"G");
  LibraryLocation selection;
  EXPECT_EQ(importMacro(library, selection, file, fileSelection), ImportOutcome::NameInUse);
  EXPECT_EQ(flatten(library), (Flat{"0:0 Jump#1", "0:1 G/"}));

  selection = folder;
  ASSERT_EQ(importMacro(library, selection, file, fileSelection), ImportOutcome::Imported);
  EXPECT_EQ(flatten(library), (Flat{"0:0 Jump#1", "0:1 G/", "1:1.0 Jump#2"}));
  EXPECT_EQ(selection, LibraryLocation::child(1, 0));
  EXPECT_EQ(library.itemAt(folder)->folderIsOpen, 1);
  MacroKey expected = *file.itemAt(fileSelection)->macro;
  expected.keyIndex = 2;
  EXPECT_EQ(*library.itemAt(selection)->macro, expected);

  selection = folder;
  EXPECT_EQ(importMacro(library, selection, file, fileSelection), ImportOutcome::NameInUse)
      << "the folder holds a Jump now";
  EXPECT_EQ(flatten(library), (Flat{"0:0 Jump#1", "0:1 G/", "1:1.0 Jump#2"}));
}

// A selection line that names no macro imports nothing and reads nothing outside the library.
TEST_F(Transfer, ImportingAMacroNeedsTheFileToPointAtOne) {
  const std::vector<std::string> lines = {
      "stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;",
      "stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",  // the folder
      "stage=0;stage0Index=2;stage1Index=0;stage2Index=0;",  // a free slot
      "stage=2;stage0Index=99;stage1Index=-4;stage2Index=70;",
      "stage=5;stage0Index=1;stage1Index=0;stage2Index=0;"};
  const std::string prefix = "[MacroLibrary]\nMacroKeyIndex=8\nSelect Locaton:";
  for (const std::string& line : lines) {
    std::string text = kJumpFile;
    const std::size_t end = text.find('\n', prefix.size());
    text.replace(prefix.size(), end - prefix.size(), line);
    LibraryLocation fileSelection;
    const MacroLibrary file = readFile(text, fileSelection);
    ASSERT_EQ(flatten(file).size(), 2u) << line;
    MacroLibrary library;
    LibraryLocation selection;
    EXPECT_EQ(importMacro(library, selection, file, fileSelection), ImportOutcome::Nothing) << line;
    EXPECT_TRUE(flatten(library).empty()) << line;
  }
}

struct ImportAllCase {
  const char* name;
  LibraryLocation fileSelection;
  // In the main library X/ (top 0) and y (top 1); -1 selects nothing.
  LibraryLocation destination;
  Flat after;
};

class ImportAll : public ::testing::TestWithParam<ImportAllCase> {};

// The file is the sample library: A/ {a1, S/ {s1, s2}, a2}, B/ {b1, T/ {t1}}, m.
TEST_P(ImportAll, TakesTheItemsTheFileSelects) {
  const ImportAllCase& c = GetParam();
  const MacroLibrary file = sampleLibrary();
  MacroLibrary library;
  addFolder(library, {}, u"X");
  addMacro(library, {}, u"y");
  LibraryLocation selection = c.destination;
  importAll(library, selection, file, c.fileSelection);
  EXPECT_EQ(flatten(library), c.after);
  EXPECT_EQ(selection, c.destination) << "the selection stays";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportAll,
    ::testing::Values(
        ImportAllCase{"NothingSelectedSkipsFolders", {}, {}, {"0:0 X/", "0:1 y#1", "0:2 m#2"}},
        ImportAllCase{"IntoATopLevelFolder",
                      {},
                      LibraryLocation::top(0),
                      {"0:0 X/", "1:0.0 A/", "2:0.0.0 a1#2", "2:0.0.1 a2#3", "1:0.1 B/",
                       "2:0.1.0 b1#4", "1:0.2 m#5", "0:1 y#1"}},
        ImportAllCase{"BesideATopLevelMacro",
                      {},
                      LibraryLocation::top(1),
                      {"0:0 X/", "0:1 y#1", "0:2 A/", "1:2.0 a1#2", "1:2.1 a2#3", "0:3 B/",
                       "1:3.0 b1#4", "0:4 m#5"}},
        ImportAllCase{"ASelectedFolderAlone",
                      LibraryLocation::top(1),
                      LibraryLocation::top(1),
                      {"0:0 X/", "0:1 y#1", "0:2 B/", "1:2.0 b1#2"}},
        ImportAllCase{"AMacroAndTheSiblingsAfterIt",
                      LibraryLocation::child(0, 0),
                      {},
                      {"0:0 X/", "0:1 y#1", "0:2 a1#2", "0:3 a2#3"}},
        ImportAllCase{"ThirdLevelFromItsSlot",
                      LibraryLocation::grandchild(0, 1, 1),
                      LibraryLocation::top(0),
                      {"0:0 X/", "1:0.0 s2#2", "0:1 y#1"}},
        ImportAllCase{"ATopLevelMacroFromItsSlot",
                      LibraryLocation::top(2),
                      {},
                      {"0:0 X/", "0:1 y#1", "0:2 m#2"}},
        ImportAllCase{"AFolderIntoAFolder",
                      LibraryLocation::top(1),
                      LibraryLocation::top(0),
                      {"0:0 X/", "1:0.0 B/", "2:0.0.0 b1#2", "0:1 y#1"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ImportAllClash, ANameUsedAtTheDestinationCreatesNothing) {
  const MacroLibrary file = sampleLibrary();
  MacroLibrary library;
  addMacro(library, {}, u"B");  // a macro named like the file's folder
  const LibraryLocation selection;
  EXPECT_EQ(importAll(library, selection, file, {}), ImportOutcome::NameInUse);
  EXPECT_EQ(flatten(library), (Flat{"0:0 B#1"}));
}

}  // namespace
}  // namespace pelorin

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "macro/library_builder.h"
#include "macro/library_file.h"

namespace pelorin {
namespace {

using testing::addFolder;
using testing::addMacro;
using testing::flatten;
using testing::sampleLibrary;
using Flat = std::vector<std::string>;
using Lines = CStdioFileEx::Lines;

// UTF-16LE with the byte-order mark, built here by hand so the check does not lean on the
// writer's own encoder.
std::string utf16FileBytes(const std::string& asciiText) {
  std::string bytes = "\xFF\xFE";
  for (char c : asciiText) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

std::string zeroActions() {
  return "AllAction=" + std::string(2688, '0');
}

class LibraryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = std::filesystem::temp_directory_path() / ("pelorin_mlf_" + std::to_string(seed()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path path() const { return folder_ / "MacroLibraryFile.mlf"; }
  std::string fileBytes() const {
    std::ifstream in(path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void writeBytes(const std::string& bytes) const {
    std::ofstream(path(), std::ios::binary) << bytes;
  }

  std::filesystem::path folder_;
};

TEST_F(LibraryFile, EmptyLibraryWritesThreeLines) {
  ASSERT_NE(MacroLibrary{}.write(path(), LibraryLocation{}), 0);
  EXPECT_EQ(fileBytes(), utf16FileBytes("[MacroLibrary]\nMacroKeyIndex=1\n"
                                        "Select Locaton:stage=-1;stage0Index=0;stage1Index=0;"
                                        "stage2Index=0;\n"));
}

TEST_F(LibraryFile, SecondLevelBlocksAreIndentedByOneTab) {
  MacroLibrary library;
  addMacro(library, addFolder(library, {}, u"A"), u"m");
  ASSERT_NE(library.write(path(), LibraryLocation::child(0, 0)), 0);
  EXPECT_EQ(
      fileBytes(),
      utf16FileBytes("[MacroLibrary]\nMacroKeyIndex=2\n"
                     "Select Locaton:stage=1;stage0Index=0;stage1Index=0;stage2Index=0;\n"
                     "++++++++MacroItemName=A\n"
                     "MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;\n"
                     "MacroItemIsFolder=1\nMacroItemFolderIsOpen=0\n"
                     "\t++++++++MacroItemName=m\n"
                     "\tMacroItemLocation:stage=1;stage0Index=0;stage1Index=0;stage2Index=0;\n"
                     "\tMacroItemIsFolder=0\n\tMacroItemFolderIsOpen=0\n"
                     "\tMacroKeyIndex=1\n\tMacroKeyLoopType=2\n\tMacroKeyLoopNum=1\n"
                     "\tMacroActionNum=0\n\tMacroCommandActionNum=0\n\t" +
                     zeroActions() + "\n"));
}

TEST_F(LibraryFile, LevelsAreWrittenBreadthFirst) {
  const Lines lines = libraryToLines(sampleLibrary(), LibraryLocation{});
  std::vector<std::u16string> names;
  for (const auto& line : lines) {
    const auto at = line.find(u"MacroItemName=");
    if (at != std::u16string::npos) names.push_back(line.substr(0, at) + line.substr(at + 14));
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"++++++++A", u"++++++++B", u"++++++++m",
                                                u"\t++++++++a1", u"\t++++++++S", u"\t++++++++a2",
                                                u"\t++++++++b1", u"\t++++++++T", u"\t\t++++++++s1",
                                                u"\t\t++++++++s2", u"\t\t++++++++t1"}));
}

MacroLibrary detailedLibrary() {
  MacroLibrary library = sampleLibrary();
  library.setNextKeyIndex(2000000000);
  addMacro(library, {}, u"\u00DCn\u00EF \u5B8F \U0001F600 a=b");
  library.itemAt(LibraryLocation::top(0))->folderIsOpen = 1;
  MacroKey& macro = *library.itemAt(LibraryLocation::grandchild(0, 1, 1))->macro;
  macro.keyIndex = 1999999999U;
  macro.loopType = loop_type::kSecond;
  macro.loopCount = 255;
  macro.commandCount = 150;
  // Every key code from 8 on, each followed by a delay.
  for (std::size_t i = 0; i < 300; i += 2) {
    macro.insertAction(i, {static_cast<std::uint8_t>(8 + i / 2), static_cast<std::uint8_t>(i * 7),
                           static_cast<std::uint8_t>(255 - i % 256), 0xAB});
    macro.insertAction(i + 1, MacroAction::delay(static_cast<std::uint32_t>(i * 50000)));
  }
  return library;
}

TEST_F(LibraryFile, RoundTripKeepsEveryFieldAndRewritesByteExact) {
  const MacroLibrary original = detailedLibrary();
  const LibraryLocation selection = LibraryLocation::grandchild(0, 1, 1);
  ASSERT_NE(original.write(path(), selection), 0);
  const std::string firstBytes = fileBytes();

  MacroLibrary reread;
  LibraryLocation fileSelection;
  ASSERT_NE(reread.read(path(), &fileSelection), 0);
  EXPECT_EQ(fileSelection, selection);
  EXPECT_EQ(reread.nextKeyIndex(), original.nextKeyIndex());
  EXPECT_EQ(flatten(reread), flatten(original));
  for (const LibraryLocation& at :
       {LibraryLocation::top(0), LibraryLocation::top(3), LibraryLocation::child(0, 1),
        LibraryLocation::grandchild(0, 1, 1), LibraryLocation::grandchild(1, 1, 0)}) {
    const LibraryItem* before = original.itemAt(at);
    const LibraryItem* after = reread.itemAt(at);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->name, before->name);
    EXPECT_EQ(after->isFolder, before->isFolder);
    EXPECT_EQ(after->folderIsOpen, before->folderIsOpen);
    ASSERT_EQ(after->macro != nullptr, before->macro != nullptr);
    if (before->macro) {
      EXPECT_EQ(*after->macro, *before->macro);
    }
  }

  ASSERT_NE(reread.write(path(), fileSelection), 0);
  EXPECT_EQ(fileBytes(), firstBytes);
}

struct DamageCase {
  const char* label;
  std::size_t line;  // index into the lines of the base library
  std::u16string text;
  Flat loaded;
};

// Lines 3..12: macro "a"; 13..16: folder "F"; 17..26: macro "x" inside F.
Lines baseLines() {
  MacroLibrary library;
  addMacro(library, {}, u"a");
  addMacro(library, addFolder(library, {}, u"F"), u"x");
  return libraryToLines(library, LibraryLocation{});
}

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, ReadingStopsAtTheFirstBadLine) {
  Lines lines = baseLines();
  ASSERT_EQ(lines.size(), 27U);
  lines[GetParam().line] = GetParam().text;
  MacroLibrary library = sampleLibrary();
  libraryFromLines(library, lines);
  EXPECT_EQ(flatten(library), GetParam().loaded);
}

const std::u16string kZeroActions = u"AllAction=" + std::u16string(2688, u'0');

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedFile,
    ::testing::Values(
        DamageCase{"Intact", 0, u"[MacroLibrary]", {"0:0 a#1", "0:1 F/", "1:1.0 x#2"}},
        DamageCase{"WrongSection", 0, u"[MacroLibrary] ", {}},
        DamageCase{"CarriageReturn", 0, u"[MacroLibrary]\r", {}},
        DamageCase{"KeyCounterWithoutValue", 1, u"MacroKeyIndex=", {}},
        DamageCase{"SelectionWithoutNumbers", 2, u"Select Locaton:stage=;", {}},
        DamageCase{"ThreeLocationNumbers", 4, u"L:stage=0;stage0Index=0;stage1Index=0;", {}},
        DamageCase{
            "MissingSemicolon", 4, u"L:stage=0;stage0Index=0;stage1Index=0 stage2Index=0;", {}},
        DamageCase{"NoEquals", 5, u"MacroItemIsFolder", {}},
        DamageCase{"NothingAfterEquals", 8, u"MacroKeyLoopType=", {}},
        DamageCase{"ActionLine2687", 12, kZeroActions.substr(0, kZeroActions.size() - 1), {}},
        DamageCase{"ActionLine2689", 12, kZeroActions + u"0", {}},
        DamageCase{"FolderIndexSixty",
                   14,
                   u"L:stage=0;stage0Index=60;stage1Index=0;stage2Index=0;",
                   {"0:0 a#1"}},
        DamageCase{"FolderStageThree",
                   14,
                   u"L:stage=3;stage0Index=1;stage1Index=0;stage2Index=0;",
                   {"0:0 a#1"}},
        DamageCase{"FolderNoStage",
                   14,
                   u"L:stage=-1;stage0Index=1;stage1Index=0;stage2Index=0;",
                   {"0:0 a#1"}},
        DamageCase{"EmptyName", 13, u"++++++++MacroItemName=", {"0:0 a#1"}},
        DamageCase{"ChildOfAMacro",
                   18,
                   u"L:stage=1;stage0Index=0;stage1Index=0;stage2Index=0;",
                   {"0:0 a#1", "0:1 F/"}},
        DamageCase{"ChildOfAFreeSlot",
                   18,
                   u"L:stage=1;stage0Index=5;stage1Index=0;stage2Index=0;",
                   {"0:0 a#1", "0:1 F/"}},
        DamageCase{"KeyNamesAreNotChecked", 15, u"Whatever=1", {"0:0 a#1", "0:1 F/", "1:1.0 x#2"}},
        DamageCase{"FolderFlagBecomesMacro", 15, u"MacroItemIsFolder=0", {"0:0 a#1"}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(LibraryFromLines, TruncatedActionLineKeepsEverythingBeforeIt) {
  MacroLibrary library;
  for (const char16_t* name : {u"a", u"b", u"c"}) addMacro(library, {}, name);
  Lines lines = libraryToLines(library, LibraryLocation{});
  lines[22].pop_back();  // the action line of "b"
  libraryFromLines(library, lines);
  EXPECT_EQ(flatten(library), (Flat{"0:0 a#1"}));
}

// A folder takes four lines, so reading on after a bad one would land on the next item's start.
TEST(LibraryFromLines, BadFolderLineEndsTheReadingBeforeTheNextItem) {
  MacroLibrary library;
  addFolder(library, {}, u"F");
  addMacro(library, {}, u"b");
  Lines lines = libraryToLines(library, LibraryLocation{});
  lines[6] = u"MacroItemFolderIsOpen";
  libraryFromLines(library, lines);
  EXPECT_EQ(flatten(library), Flat{});
}

TEST(LibraryFromLines, EndOfTextInsideAnItemDropsIt) {
  Lines lines = baseLines();
  lines.pop_back();
  MacroLibrary library;
  libraryFromLines(library, lines);
  EXPECT_EQ(flatten(library), (Flat{"0:0 a#1", "0:1 F/"}));
}

TEST(LibraryFromLines, NumbersHaveLeadingNumberSemantics) {
  Lines lines = baseLines();
  lines[8] = u"MacroKeyLoopType=x4";
  lines[9] = u"MacroKeyLoopNum=7 times";
  lines[10] = u"MacroActionNum=999";
  lines[11] = u"MacroCommandActionNum=257";
  lines[12] = u"AllAction=e080007g" + std::u16string(2680, u'0');  // "7g" reads 7
  MacroLibrary library;
  libraryFromLines(library, lines);
  const MacroKey& macro = *library.itemAt(LibraryLocation::top(0))->macro;
  EXPECT_EQ(macro.loopType, loop_type::kRepeatCount) << "0 is no loop type";
  EXPECT_EQ(macro.loopCount, 7);
  EXPECT_EQ(macro.actionCount, 1U) << "the count reached over empty slots";
  EXPECT_EQ(macro.commandCount, 1);
  EXPECT_EQ(macro.actions[0], (MacroAction{0xE0, 0x80, 0, 7}));
}

// One item block as the file has it.
Lines itemLines(const std::u16string& name, const std::u16string& location, bool folder,
                const std::u16string& macroFields = u"", const std::u16string& actions = u"") {
  Lines lines{u"++++++++MacroItemName=" + name, u"MacroItemLocation:" + location,
              folder ? u"MacroItemIsFolder=1" : u"MacroItemIsFolder=0", u"MacroItemFolderIsOpen=0"};
  if (folder) return lines;
  std::u16string field;
  for (char16_t c : macroFields + u" ") {
    if (c != u' ') {
      field += c;
    } else if (!field.empty()) {
      lines.push_back(field);
      field.clear();
    }
  }
  lines.push_back(u"AllAction=" + actions + std::u16string(2688 - actions.size(), u'0'));
  return lines;
}

Lines fileOf(const std::u16string& keyCounter, std::initializer_list<Lines> items) {
  Lines lines{u"[MacroLibrary]", u"MacroKeyIndex=" + keyCounter,
              u"Select Locaton:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;"};
  for (const Lines& item : items) lines.insert(lines.end(), item.begin(), item.end());
  return lines;
}

constexpr char16_t kTop0[] = u"stage=0;stage0Index=0;stage1Index=0;stage2Index=0;";

// A hand-made file: no loop type the dialog offers, a zero loop count and a command count of 250
// over no actions; a count kept by the old delay rules; an unknown delay kind past the longest
// delay; more entries than the mouse holds.
TEST(LibraryFromLines, EveryMacroIsBroughtIntoRange) {
  std::u16string keys;
  for (int i = 0; i < 170; ++i) keys += u"41000000";
  const Lines lines = fileOf(
      u"9", {itemLines(u"empty", kTop0, false,
                       u"MacroKeyIndex=1 MacroKeyLoopType=7 MacroKeyLoopNum=0 MacroActionNum=250 "
                       u"MacroCommandActionNum=250"),
             itemLines(u"old", u"stage=0;stage0Index=1;stage1Index=0;stage2Index=0;", false,
                       u"MacroKeyIndex=2 MacroKeyLoopType=4 MacroKeyLoopNum=3 MacroActionNum=3 "
                       u"MacroCommandActionNum=3",
                       u"41000000030001F441800000"),
             itemLines(u"odd", u"stage=0;stage0Index=2;stage1Index=0;stage2Index=0;", false,
                       u"MacroKeyIndex=3 MacroKeyLoopType=1 MacroKeyLoopNum=1 MacroActionNum=2 "
                       u"MacroCommandActionNum=1",
                       u"4100000000FFFFFF"),
             itemLines(u"long", u"stage=0;stage0Index=3;stage1Index=0;stage2Index=0;", false,
                       u"MacroKeyIndex=4 MacroKeyLoopType=2 MacroKeyLoopNum=1 "
                       u"MacroActionNum=170 MacroCommandActionNum=170",
                       keys)});
  MacroLibrary library;
  EXPECT_EQ(libraryFromLines(library, lines), 3) << "the corrected count alone is no news";
  const auto macroAt = [&](int i) { return *library.itemAt(LibraryLocation::top(i))->macro; };
  const MacroKey empty = macroAt(0);
  EXPECT_EQ((std::vector<int>{empty.loopType, empty.loopCount, int(empty.actionCount),
                              empty.commandCount}),
            (std::vector<int>{2, 1, 0, 0}));
  const MacroKey old = macroAt(1);
  EXPECT_EQ((std::vector<int>{old.loopType, old.loopCount, int(old.actionCount), old.commandCount}),
            (std::vector<int>{4, 3, 3, 2}));
  const MacroKey odd = macroAt(2);
  EXPECT_EQ(odd.actions[1], (MacroAction{3, 0xE9, 0x75, 0xA0}));
  EXPECT_EQ(odd.commandCount, 1);
  const MacroKey shortened = macroAt(3);
  EXPECT_EQ(shortened.actionCount, 168U);
  EXPECT_EQ(shortened.commandCount, 168);
  EXPECT_EQ(shortened.actions[168], MacroAction{});
  const Lines written = libraryToLines(library, LibraryLocation{});
  EXPECT_EQ(written[9], u"MacroKeyLoopNum=1");
  EXPECT_EQ(written[11], u"MacroCommandActionNum=0");
  EXPECT_EQ(written[21], u"MacroCommandActionNum=2") << "written back right";
}

// A gap before an item and a repeated location: every item is placed in the next free slot of
// its list, children follow the first item that named their parent, and nothing is hidden.
TEST(LibraryFromLines, ItemsTakeTheNextFreeSlotOfTheirList) {
  const std::u16string macro =
      u"MacroKeyIndex=1 MacroKeyLoopType=2 MacroKeyLoopNum=1 MacroActionNum=0 "
      u"MacroCommandActionNum=0";
  const Lines lines = fileOf(
      u"1", {itemLines(u"F", kTop0, true), itemLines(u"G", kTop0, true),
             itemLines(u"a", u"stage=0;stage0Index=5;stage1Index=0;stage2Index=0;", false, macro),
             itemLines(u"x", u"stage=1;stage0Index=0;stage1Index=0;stage2Index=0;", false, macro),
             itemLines(u"y", u"stage=1;stage0Index=0;stage1Index=0;stage2Index=0;", true),
             itemLines(u"z", u"stage=2;stage0Index=0;stage1Index=0;stage2Index=3;", false, macro),
             itemLines(u"w", u"stage=2;stage0Index=0;stage1Index=2;stage2Index=0;", false, macro),
             itemLines(u"never", kTop0, true)});
  MacroLibrary library;
  libraryFromLines(library, lines);
  EXPECT_EQ(flatten(library), (Flat{"0:0 F/", "1:0.0 x#1", "1:0.1 y/", "0:1 G/", "0:2 a#1"}))
      << "z named a macro as its parent, so the reading stopped there";
  LibraryLocation nothing;
  library.newMacro(u"new", nothing);
  EXPECT_EQ(nothing, LibraryLocation::top(3));
}

// The counter of the file is not trusted: a new macro never takes a key the library holds.
TEST(LibraryFromLines, TheNextKeyIsAboveEveryKeyOfTheLibrary) {
  const auto macro = [](const char16_t* key) {
    return std::u16string(u"MacroKeyIndex=") + key +
           u" MacroKeyLoopType=2 MacroKeyLoopNum=1 MacroActionNum=0 MacroCommandActionNum=0";
  };
  const Lines lines = fileOf(
      u"1",
      {itemLines(u"a", kTop0, false, macro(u"1")),
       itemLines(u"b", u"stage=0;stage0Index=1;stage1Index=0;stage2Index=0;", false, macro(u"7"))});
  MacroLibrary library;
  libraryFromLines(library, lines);
  EXPECT_EQ(library.nextKeyIndex(), 8);
  LibraryLocation at;
  library.newMacro(u"c", at);
  EXPECT_EQ(library.itemAt(at)->macro->keyIndex, 8U);
}

// Without a macro no key is taken: the stored counter stays, so writing and reading back is a
// fixed point even for a counter of 0.
TEST(LibraryFromLines, AnEmptyLibraryKeepsItsCounter) {
  MacroLibrary library;
  libraryFromLines(library, fileOf(u"0", {}));
  EXPECT_EQ(library.nextKeyIndex(), 0);
}

TEST_F(LibraryFile, CarriageReturnLineEndsLeaveTheLibraryEmpty) {
  MacroLibrary library = sampleLibrary();
  writeBytes(
      utf16FileBytes("[MacroLibrary]\r\nMacroKeyIndex=5\r\n"
                     "Select Locaton:stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;\r\n"));
  EXPECT_NE(library.read(path()), 0);
  EXPECT_TRUE(flatten(library).empty());
}

TEST_F(LibraryFile, MissingFileLeavesTheLibraryUnchanged) {
  MacroLibrary library = sampleLibrary();
  EXPECT_EQ(library.read(folder_ / "absent.mlf"), 0);
  EXPECT_EQ(flatten(library), flatten(sampleLibrary()));
}

TEST(LibraryFilePath, IsInTheConfigFolder) {
  EXPECT_EQ(libraryFilePath("/data"), std::filesystem::path("/data/config/MacroLibraryFile.mlf"));
}

}  // namespace
}  // namespace pelorin

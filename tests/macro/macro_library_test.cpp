#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/library_builder.h"
#include "macro/macro_library.h"

namespace pelorin {
namespace {

using testing::addFolder;
using testing::addMacro;
using testing::flatten;
using testing::sampleLibrary;
using Flat = std::vector<std::string>;

TEST(MacroLibrary, SampleLayout) {
  EXPECT_EQ(flatten(sampleLibrary()),
            (Flat{"0:0 A/", "1:0.0 a1#1", "1:0.1 S/", "2:0.1.0 s1#2", "2:0.1.1 s2#3", "1:0.2 a2#4",
                  "0:1 B/", "1:1.0 b1#5", "1:1.1 T/", "2:1.1.0 t1#6", "0:2 m#7"}));
}

TEST(MacroLibrary, KeyIndicesAreNeverReused) {
  MacroLibrary library;
  library.setNextKeyIndex(40);
  const auto x = addMacro(library, {}, u"x");
  addMacro(library, {}, u"y");
  library.deleteItem(x);
  addMacro(library, {}, u"z");
  EXPECT_EQ(flatten(library), (Flat{"0:0 y#41", "0:1 z#42"}));
  EXPECT_EQ(library.nextKeyIndex(), 43);
  library.clear();
  EXPECT_TRUE(flatten(library).empty());
  EXPECT_EQ(library.nextKeyIndex(), 43);
}

struct DeleteCase {
  const char* label;
  LibraryLocation target;
  Flat after;
};

class DeleteItem : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteItem, LaterSiblingsMoveUpWithTheirSubtrees) {
  MacroLibrary library = sampleLibrary();
  library.deleteItem(GetParam().target);
  EXPECT_EQ(flatten(library), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, DeleteItem,
    ::testing::Values(
        DeleteCase{"TopFolder",
                   LibraryLocation::top(0),
                   {"0:0 B/", "1:0.0 b1#5", "1:0.1 T/", "2:0.1.0 t1#6", "0:1 m#7"}},
        DeleteCase{"TopMacro",
                   LibraryLocation::top(2),
                   {"0:0 A/", "1:0.0 a1#1", "1:0.1 S/", "2:0.1.0 s1#2", "2:0.1.1 s2#3",
                    "1:0.2 a2#4", "0:1 B/", "1:1.0 b1#5", "1:1.1 T/", "2:1.1.0 t1#6"}},
        DeleteCase{"SecondLevelMacro",
                   LibraryLocation::child(0, 0),
                   {"0:0 A/", "1:0.0 S/", "2:0.0.0 s1#2", "2:0.0.1 s2#3", "1:0.1 a2#4", "0:1 B/",
                    "1:1.0 b1#5", "1:1.1 T/", "2:1.1.0 t1#6", "0:2 m#7"}},
        DeleteCase{"SecondLevelFolder",
                   LibraryLocation::child(0, 1),
                   {"0:0 A/", "1:0.0 a1#1", "1:0.1 a2#4", "0:1 B/", "1:1.0 b1#5", "1:1.1 T/",
                    "2:1.1.0 t1#6", "0:2 m#7"}},
        DeleteCase{"ThirdLevel",
                   LibraryLocation::grandchild(0, 1, 0),
                   {"0:0 A/", "1:0.0 a1#1", "1:0.1 S/", "2:0.1.0 s2#3", "1:0.2 a2#4", "0:1 B/",
                    "1:1.0 b1#5", "1:1.1 T/", "2:1.1.0 t1#6", "0:2 m#7"}},
        DeleteCase{"FreeSlot",
                   LibraryLocation::top(5),
                   {"0:0 A/", "1:0.0 a1#1", "1:0.1 S/", "2:0.1.0 s1#2", "2:0.1.1 s2#3",
                    "1:0.2 a2#4", "0:1 B/", "1:1.0 b1#5", "1:1.1 T/", "2:1.1.0 t1#6", "0:2 m#7"}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(DeleteItem, NewItemAfterDeletionFillsTheFreedSlot) {
  MacroLibrary library = sampleLibrary();
  library.deleteItem(LibraryLocation::child(0, 0));
  LibraryLocation selection = LibraryLocation::top(0);
  EXPECT_EQ(library.newMacro(u"a3", selection), 0);
  EXPECT_EQ(selection, LibraryLocation::child(0, 2));
}

struct RowsCase {
  const char* label;
  std::vector<LibraryLocation> open;
  std::vector<std::u16string> rows;
};

class TreeRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(TreeRows, DepthFirstThroughOpenFolders) {
  MacroLibrary library = sampleLibrary();
  for (const auto& folder : GetParam().open) library.itemAt(folder)->folderIsOpen = 1;
  ASSERT_EQ(library.visibleRowCount(), static_cast<int>(GetParam().rows.size()));
  for (int row = 0; row < library.visibleRowCount(); ++row) {
    const LibraryLocation location = library.locationOfRow(row);
    EXPECT_EQ(library.itemAt(location)->name, GetParam().rows[row]) << row;
    EXPECT_EQ(library.rowOfLocation(location), row);
  }
  EXPECT_EQ(library.locationOfRow(library.visibleRowCount()).stage, -1);
  EXPECT_EQ(library.locationOfRow(-1).stage, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, TreeRows,
    ::testing::Values(
        RowsCase{"AllClosed", {}, {u"A", u"B", u"m"}},
        RowsCase{"TopOpen", {LibraryLocation::top(0)}, {u"A", u"a1", u"S", u"a2", u"B", u"m"}},
        RowsCase{"BothLevelsOpen",
                 {LibraryLocation::top(0), LibraryLocation::child(0, 1), LibraryLocation::top(1)},
                 {u"A", u"a1", u"S", u"s1", u"s2", u"a2", u"B", u"b1", u"T", u"m"}},
        // An open subfolder inside a closed folder stays hidden.
        RowsCase{"InnerOpenOuterClosed",
                 {LibraryLocation::child(1, 1), LibraryLocation::top(0)},
                 {u"A", u"a1", u"S", u"a2", u"B", u"m"}}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(TreeRows, HiddenItemHasNoRowAndCollapseAllClosesEverything) {
  MacroLibrary library = sampleLibrary();
  library.itemAt(LibraryLocation::top(0))->folderIsOpen = 1;
  library.itemAt(LibraryLocation::child(0, 1))->folderIsOpen = 1;
  EXPECT_EQ(library.rowOfLocation(LibraryLocation::grandchild(0, 1, 1)), 4);
  EXPECT_EQ(library.rowOfLocation(LibraryLocation::grandchild(1, 1, 0)), -1);
  library.collapseAll();
  EXPECT_EQ(library.visibleRowCount(), 3);
  EXPECT_EQ(library.itemAt(LibraryLocation::child(0, 1))->folderIsOpen, 0);
}

struct PlacementCase {
  const char* label;
  LibraryLocation selection;
  bool folder;
  int result;
  LibraryLocation placed;  // stage -1: nothing created, selection unchanged
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, NewItemGoesWhereTheSelectionSays) {
  MacroLibrary library = sampleLibrary();
  const auto before = flatten(library);
  LibraryLocation selection = GetParam().selection;
  const int result = GetParam().folder ? library.newFolder(u"new", selection)
                                       : library.newMacro(u"new", selection);
  EXPECT_EQ(result, GetParam().result);
  if (GetParam().placed.stage < 0) {
    EXPECT_EQ(selection, GetParam().selection);
    EXPECT_EQ(flatten(library), before);
    return;
  }
  EXPECT_EQ(selection, GetParam().placed);
  ASSERT_NE(library.itemAt(selection), nullptr);
  EXPECT_EQ(library.itemAt(selection)->name, u"new");
  EXPECT_EQ(library.itemAt(selection)->isFolder, GetParam().folder ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, Placement,
    ::testing::Values(
        PlacementCase{"MacroNoSelection", {}, false, 0, LibraryLocation::top(3)},
        PlacementCase{"MacroTopFolder", LibraryLocation::top(0), false, 0,
                      LibraryLocation::child(0, 3)},
        PlacementCase{"MacroSubfolder", LibraryLocation::child(0, 1), false, 0,
                      LibraryLocation::grandchild(0, 1, 2)},
        PlacementCase{"MacroBesideTopMacro", LibraryLocation::top(2), false, 0,
                      LibraryLocation::top(3)},
        PlacementCase{"MacroBesideSecondLevelMacro", LibraryLocation::child(0, 0), false, 0,
                      LibraryLocation::top(3)},
        PlacementCase{"MacroBesideThirdLevelMacro", LibraryLocation::grandchild(0, 1, 0), false, 0,
                      LibraryLocation::top(3)},
        PlacementCase{"FolderNoSelection", {}, true, 0, LibraryLocation::top(3)},
        PlacementCase{"FolderTopFolder", LibraryLocation::top(1), true, 0,
                      LibraryLocation::child(1, 2)},
        PlacementCase{"FolderInSubfolderRefused", LibraryLocation::child(0, 1), true, 0, {}},
        PlacementCase{"FreeSlotSelected", LibraryLocation::top(9), false, 0,
                      LibraryLocation::top(3)}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(Placement, DuplicateNamesAreCaseSensitivePerList) {
  MacroLibrary library;
  LibraryLocation selection;
  ASSERT_EQ(library.newMacro(u"Test", selection), 0);
  const LibraryLocation first = selection;
  EXPECT_EQ(library.newMacro(u"Test", selection), 1);
  EXPECT_EQ(library.newFolder(u"Test", selection), 1);
  EXPECT_EQ(selection, first);
  EXPECT_EQ(library.nextKeyIndex(), 2);
  EXPECT_EQ(library.newMacro(u"test", selection), 0);
  EXPECT_EQ(library.newMacro(u"Test ", selection), 0);

  LibraryLocation folder;
  library.newFolder(u"F", folder);
  LibraryLocation inside = folder;
  EXPECT_EQ(library.newMacro(u"Test", inside), 0);  // another list
  EXPECT_TRUE(library.nameExistsInFolder(u"Test", folder.stage0Index));
  EXPECT_TRUE(library.nameExistsAmongSiblings(u"Test", inside));
  EXPECT_FALSE(library.nameExistsAmongSiblings(u"test", inside));
  EXPECT_TRUE(library.nameExistsAmongSiblings(u"test", LibraryLocation{}));
}

TEST(Placement, FullListCreatesNothing) {
  MacroLibrary library;
  for (int i = 0; i < kLibraryListSize; ++i)
    addMacro(library, {}, u"m" + std::u16string(1, u'A' + static_cast<char16_t>(i)));
  ASSERT_EQ(flatten(library).size(), 60U);
  LibraryLocation selection = LibraryLocation::top(59);
  EXPECT_EQ(library.newMacro(u"one more", selection), 0);
  EXPECT_EQ(library.newFolder(u"one more", selection), 0);
  EXPECT_EQ(selection, LibraryLocation::top(59));
  EXPECT_EQ(flatten(library).size(), 60U);
  EXPECT_EQ(library.nextKeyIndex(), 61);
}

TEST(ContainsKeyIndex, FoldersContainEverythingBelowThem) {
  const MacroLibrary library = sampleLibrary();
  EXPECT_TRUE(library.containsKeyIndex(LibraryLocation::top(0), 3));   // s2, two levels down
  EXPECT_TRUE(library.containsKeyIndex(LibraryLocation::top(0), 4));   // a2
  EXPECT_FALSE(library.containsKeyIndex(LibraryLocation::top(0), 5));  // b1 is in B
  EXPECT_TRUE(library.containsKeyIndex(LibraryLocation::child(1, 1), 6));
  EXPECT_TRUE(library.containsKeyIndex(LibraryLocation::top(2), 7));
  EXPECT_FALSE(library.containsKeyIndex(LibraryLocation::top(2), 6));
  EXPECT_FALSE(library.containsKeyIndex(LibraryLocation::top(7), 7));
  EXPECT_FALSE(library.containsKeyIndex(LibraryLocation{}, 7));
}

TEST(MacroLibrary, RenameChangesOnlyTheItemName) {
  MacroLibrary library = sampleLibrary();
  library.rename(LibraryLocation::top(2), u"renamed");
  const LibraryItem* item = library.itemAt(LibraryLocation::top(2));
  EXPECT_EQ(item->name, u"renamed");
  EXPECT_EQ(item->macro->name, u"m");
}

struct PutCase {
  const char* label;
  LibraryLocation location;
  bool folder;
  bool accepted;
};

class PutItem : public ::testing::TestWithParam<PutCase> {};

TEST_P(PutItem, OnlyInsideTheTreeAndBelowFolders) {
  MacroLibrary library = sampleLibrary();
  const bool accepted =
      GetParam().folder ? library.putFolder(GetParam().location, u"put", true)
                        : library.putMacro(GetParam().location, u"put", MacroKey::create(u"put"));
  EXPECT_EQ(accepted, GetParam().accepted);
  if (accepted) {
    EXPECT_EQ(library.itemAt(GetParam().location)->name, u"put");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Locations, PutItem,
    ::testing::Values(
        PutCase{"Top", LibraryLocation::top(3), false, true},
        PutCase{"UnderFolder", LibraryLocation::child(1, 2), true, true},
        PutCase{"UnderSubfolder", LibraryLocation::grandchild(0, 1, 2), false, true},
        // Past a free slot the item would be hidden; on a used one it would replace a folder.
        PutCase{"PastAFreeSlot", LibraryLocation::top(4), false, false},
        PutCase{"OverAFolder", LibraryLocation::top(1), true, false},
        PutCase{"OverAMacro", LibraryLocation::child(0, 0), false, false},
        PutCase{"UnderMacro", LibraryLocation::child(2, 0), false, false},
        PutCase{"UnderFreeSlot", LibraryLocation::child(3, 0), true, false},
        PutCase{"UnderSecondLevelMacro", LibraryLocation::grandchild(0, 0, 0), false, false},
        PutCase{"FolderAtThirdLevel", LibraryLocation::grandchild(0, 1, 2), true, false},
        PutCase{"IndexSixty", LibraryLocation::top(60), false, false},
        PutCase{"NegativeIndex", LibraryLocation::child(0, -1), false, false},
        PutCase{"StageThree", LibraryLocation{3, 0, 0, 0}, false, false},
        PutCase{"StageNone", LibraryLocation{}, true, false}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

}  // namespace
}  // namespace pelorin

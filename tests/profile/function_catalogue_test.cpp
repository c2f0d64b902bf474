#include <gtest/gtest.h>

#include <set>

#include "profile/captions.h"
#include "profile/filled_language.h"
#include "profile/function_catalogue.h"

namespace pelorin {
namespace {

using testing::filledLanguage;
using M = FunctionMenu;

struct EntryCase {
  const char* name;  // script name
  M menu;
  int id;
  std::u16string caption;
  AssignmentCode code;
};

class CatalogueEntryCase : public ::testing::TestWithParam<EntryCase> {};

// Found by its script name, the entry sits at its place in its menu and assigns this record.
TEST_P(CatalogueEntryCase, AssignsItsCaptionAndCode) {
  const EntryCase& c = GetParam();
  const CatalogueEntry* entry = findFunction(c.name);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->menu, c.menu);
  EXPECT_EQ(entry->id, c.id);
  const auto rows = menuEntries(c.menu);
  EXPECT_EQ(&rows[static_cast<std::size_t>(c.id - rows.front().id)], entry);
  EXPECT_EQ(entrySelection(*entry, filledLanguage()), (SelectionRecord{c.caption, c.code}));
}

INSTANTIATE_TEST_SUITE_P(
    Sample, CatalogueEntryCase,
    ::testing::Values(
        EntryCase{"left-click", M::Main, 1, u"T20", {0x10, 0x01, 0x00}},
        EntryCase{"right-click", M::Main, 2, u"T21", {0x10, 0x02, 0x00}},
        EntryCase{"middle-click", M::Main, 3, u"T22", {0x10, 0x04, 0x00}},
        EntryCase{"forward", M::Main, 4, u"T23", {0x10, 0x10, 0x00}},
        EntryCase{"back", M::Main, 5, u"T24", {0x10, 0x08, 0x00}},
        EntryCase{"triple-fire", M::Main, 8, u"T27", {0x30, 0x32, 0x03}},
        EntryCase{"lighting-switch", M::Main, 14, u"T33", {0x60, 0x04, 0x00}},
        EntryCase{"disable", M::Main, 16, u"T34", {0x00, 0x00, 0x00}},
        EntryCase{"dpi-up", M::Dpi, 1, u"T40", {0x40, 0x02, 0x00}},
        EntryCase{"dpi-cycle", M::Dpi, 3, u"T42", {0x40, 0x01, 0x00}},
        EntryCase{"dpi-lock-200", M::DpiLock, 1, u"T36-200", {0x50, 0x01, 0x00}},
        EntryCase{"dpi-lock-700", M::DpiLock, 6, u"T36-700", {0x50, 0x06, 0x00}},
        EntryCase{"dpi-lock-1200", M::DpiLock, 11, u"T36-1200", {0x50, 0x0B, 0x00}},
        EntryCase{"media-player", M::Multimedia, 1, u"T45", {0x80, 0x83, 0x01}},
        EntryCase{"play-pause", M::Multimedia, 5, u"T49", {0x80, 0xCD, 0x00}},
        EntryCase{"calculator", M::Multimedia, 10, u"T54", {0x80, 0x92, 0x01}},
        EntryCase{"copy", M::Office, 1, u"T60", {0x70, 0x01, 0x06}},
        EntryCase{"file-explorer", M::Office, 8, u"T67", {0x70, 0x08, 0x08}},
        EntryCase{"undo", M::Office, 9, u"T68", {0x70, 0x01, 0x1D}},
        EntryCase{"my-computer", M::WindowManage, 1, u"T75", {0x80, 0x94, 0x01}},
        EntryCase{"close-window", M::WindowManage, 2, u"T76", {0x70, 0x04, 0x3D}},
        EntryCase{"maximize-window", M::WindowManage, 6, u"T80", {0x70, 0x08, 0x52}},
        EntryCase{"profile-cycle", M::ProfileSwitch, 18, u"Profile Cycle", {0x10, 0x00, 0x00}},
        EntryCase{"profile-down", M::ProfileSwitch, 20, u"Profile Down", {0x12, 0x00, 0x00}}),
    [](const auto& testCase) {
      std::string name = testCase.param.name;
      std::erase(name, '-');
      return name;
    });

// Each menu has its rows in id order without gaps; submenu rows lead to their menus and the
// three dialog rows assign nothing by themselves.
TEST(FunctionCatalogue, MenusHaveTheirRowsInOrder) {
  const std::array<std::pair<M, std::size_t>, kFunctionMenuCount> sizes = {{{M::Main, 16},
                                                                            {M::Dpi, 3},
                                                                            {M::DpiLock, 11},
                                                                            {M::Multimedia, 10},
                                                                            {M::Office, 9},
                                                                            {M::WindowManage, 6},
                                                                            {M::ProfileSwitch, 3}}};
  for (const auto& [menu, size] : sizes) {
    const auto rows = menuEntries(menu);
    ASSERT_EQ(rows.size(), size);
    for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_EQ(rows[k].id, rows[0].id + int(k));
  }
  const auto main = menuEntries(M::Main);
  const std::array<std::pair<int, M>, 5> submenus = {
      {{6, M::Dpi}, {11, M::Multimedia}, {12, M::Office}, {13, M::WindowManage}, {15, M::DpiLock}}};
  for (const auto& [id, submenu] : submenus) {
    EXPECT_EQ(main[id - 1].kind, EntryKind::Submenu) << id;
    EXPECT_EQ(main[id - 1].submenu, submenu) << id;
    EXPECT_EQ(rowCaption(main[id - 1], filledLanguage()),
              id == 15 ? u"T36" : u"T" + decimalText(id + 19));
  }
  const std::array<std::pair<int, FunctionDialog>, 3> dialogs = {
      {{7, FunctionDialog::FireKey}, {9, FunctionDialog::Macro}, {10, FunctionDialog::Shortcut}}};
  for (const auto& [id, dialog] : dialogs) {
    EXPECT_EQ(main[id - 1].dialog, dialog) << id;
    EXPECT_FALSE(entrySelection(main[id - 1], filledLanguage())) << id;
  }
  EXPECT_EQ(main[6].scriptName, "fire-key");
  EXPECT_EQ(main[8].scriptName, "macro");
  EXPECT_EQ(main[9].scriptName, "shortcut");
}

// Scripts name every row that assigns something, each by a name of its own.
TEST(FunctionCatalogue, ScriptNamesAreUniqueAndCoverEveryAssigningRow) {
  std::set<std::string_view> names;
  std::size_t assigning = 0;
  for (std::size_t m = 0; m < kFunctionMenuCount; ++m) {
    for (const CatalogueEntry& entry : menuEntries(static_cast<M>(m))) {
      if (entry.kind == EntryKind::Submenu) continue;
      ++assigning;
      EXPECT_FALSE(entry.scriptName.empty()) << entry.id;
      EXPECT_TRUE(names.insert(entry.scriptName).second) << entry.scriptName;
      for (char c : entry.scriptName) EXPECT_FALSE(c >= 'A' && c <= 'Z') << entry.scriptName;
    }
  }
  EXPECT_EQ(namedFunctions().size(), assigning);
  EXPECT_EQ(findFunction("Left-Click"), nullptr);
  EXPECT_EQ(findFunction(""), nullptr);
}

TEST(FunctionCatalogue, ProgramLaunchShowsTheFileNameOfEitherPathStyle) {
  const AssignmentCode launch{0x0F, 0x00, 0x00};
  EXPECT_EQ(programLaunchSelection(u"C:\\Games\\aim.exe"), (SelectionRecord{u"aim.exe", launch}));
  EXPECT_EQ(programLaunchSelection(u"/usr/bin/gimp"), (SelectionRecord{u"gimp", launch}));
  EXPECT_EQ(programLaunchSelection(u"tool"), (SelectionRecord{u"tool", launch}));
}

}  // namespace
}  // namespace pelorin

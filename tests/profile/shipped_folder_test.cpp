// Where the program finds its skins, guide and language files: beside itself in a build tree,
// under share/pelorin when installed.
#include <gtest/gtest.h>

#include "lang/scratch_folder.h"
#include "profile/data_folder.h"

namespace pelorin {
namespace {

namespace fs = std::filesystem;

struct Layout {
  const char* name;
  std::vector<const char*> folders;  // made under the root; the program lives in root/usr/bin
  const char* skins;                 // expected, relative to the root
  const char* lang;                  // expected, relative to the root; "" for none
};

class ShippedFolderTest : public ::testing::TestWithParam<Layout> {};

TEST_P(ShippedFolderTest, FindsTheShippedFiles) {
  testing::ScratchFolder root;
  for (const char* folder : GetParam().folders) fs::create_directories(root.path() / folder);
  const fs::path program = root.path() / "usr" / "bin";
  fs::create_directories(program);
  EXPECT_EQ(shippedDataFolder(program), (root.path() / GetParam().skins).lexically_normal());
  const std::string lang = GetParam().lang;
  EXPECT_EQ(shippedLanguageFolder(program),
            lang.empty() ? fs::path() : (root.path() / lang).lexically_normal());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ShippedFolderTest,
    ::testing::Values(
        Layout{"BuildTree", {"usr/bin/skins", "usr/bin/lang"}, "usr/bin", "usr/bin/lang"},
        Layout{"Installed",
               {"usr/share/pelorin/skins", "usr/share/pelorin/lang"},
               "usr/share/pelorin",
               "usr/share/pelorin/lang"},
        // A build tree next to an installed copy keeps its own files.
        Layout{
            "BothPrefersBeside",
            {"usr/bin/skins", "usr/bin/lang", "usr/share/pelorin/skins", "usr/share/pelorin/lang"},
            "usr/bin",
            "usr/bin/lang"},
        // A share folder without skins is not taken for the installed files.
        Layout{"ShareWithoutSkins", {"usr/share/pelorin/guide"}, "usr/bin", ""}),
    [](const auto& layout) { return std::string(layout.param.name); });

}  // namespace
}  // namespace pelorin

#include "profile/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pelorin {
namespace {

// The roaming application-data folder comes from the shell, not from the environment, which
// the user can change; in a fresh prefix both name the same folder.
TEST(DataFolder, IsTheProgramsFolderInTheRoamingApplicationData) {
  const wchar_t* roaming = ::_wgetenv(L"APPDATA");
  ASSERT_NE(roaming, nullptr);
  EXPECT_EQ(userDataFolder(), std::filesystem::path(roaming) / kDataFolderName);
  EXPECT_TRUE(std::filesystem::is_directory(roaming));
}

}  // namespace
}  // namespace pelorin

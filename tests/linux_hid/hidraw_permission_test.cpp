#include "platform/linux/hidraw_permission.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace pelorin {
namespace {

// The rule the hint names is the one the source tree ships, and it covers both products.
TEST(HidrawPermissionTest, TheNamedRuleGrantsTheSeatAccessToBothProducts) {
  const char* source = std::getenv("PELORIN_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::ifstream rules(std::filesystem::path(source) / kUdevRuleSource);
  ASSERT_TRUE(rules) << kUdevRuleSource << " is missing";
  std::set<std::string> products;
  for (std::string line; std::getline(rules, line);) {
    if (line.empty() || line[0] == '#') continue;
    SCOPED_TRACE(line);
    EXPECT_NE(line.find("SUBSYSTEM==\"hidraw\""), std::string::npos);
    EXPECT_NE(line.find("ATTRS{idVendor}==\"248a\""), std::string::npos);
    EXPECT_NE(line.find("TAG+=\"uaccess\""), std::string::npos);
    auto at = line.find("ATTRS{idProduct}==\"");
    ASSERT_NE(at, std::string::npos);
    products.insert(line.substr(at + 19, 4));
  }
  EXPECT_EQ(products, (std::set<std::string>{"5b2e", "5b2f"}));
}

TEST(HidrawPermissionTest, TheHintSaysWhereTheRuleComesFromAndGoes) {
  auto hint = permissionHint();
  EXPECT_NE(hint.find(kUdevRuleSource), std::string::npos);
  EXPECT_NE(hint.find(kUdevRuleTarget), std::string::npos);
}

}  // namespace
}  // namespace pelorin

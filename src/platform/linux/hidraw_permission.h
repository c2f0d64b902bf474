#pragma once
// What the user is told when a mouse's hidraw node exists but this user may not open it.
#include <string>

namespace pelorin {

// Where the rule that grants access lives in the source tree and where it is installed.
constexpr const char* kUdevRuleSource = "packaging/linux/70-pelorin.rules";
constexpr const char* kUdevRuleTarget = "/etc/udev/rules.d/70-pelorin.rules";

// Several lines, plain text, naming the rule and the commands that install it.
std::string permissionHint();

}  // namespace pelorin

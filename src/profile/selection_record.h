#pragma once
// What every function menu and assignment dialog hands to the button page: the caption that the
// button will show and the code the mouse will receive.
#include <string>

#include "profile/assignment_code.h"

namespace pelorin {

struct SelectionRecord {
  std::u16string caption;
  AssignmentCode code;

  friend bool operator==(const SelectionRecord&, const SelectionRecord&) = default;
};

}  // namespace pelorin

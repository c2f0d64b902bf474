#pragma once
// Whether the desktop starts the program, hidden in the notification area, when the user logs
// in. The entry lives in the user's own settings, so updating the program leaves it as it was.
namespace pelorin {

class Autostart {
 public:
  virtual ~Autostart() = default;
  virtual bool enabled() const = 0;
  // False when the entry could not be written or removed; the state is then unchanged.
  virtual bool setEnabled(bool on) = 0;
};

}  // namespace pelorin

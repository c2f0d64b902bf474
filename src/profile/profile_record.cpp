#include "profile/profile_record.h"

#include "keys/decimal_text.h"

namespace pelorin {
namespace {

const std::u16string kEmpty;

std::size_t position(Setting setting) {
  return static_cast<std::size_t>(setting);
}

}  // namespace

const std::u16string& ProfileRecord::pairKey(std::size_t index) const {
  return index < pairs.size() ? pairs[index].key : kEmpty;
}

const std::u16string& ProfileRecord::pairValue(std::size_t index) const {
  return index < pairs.size() ? pairs[index].value : kEmpty;
}

int ProfileRecord::number(Setting setting) const {
  return leadingInt(pairs[position(setting)].value);
}

void ProfileRecord::setNumber(Setting setting, int value) {
  pairs[position(setting)].value = decimalText(value);
}

void ProfileRecord::setDoubleClickSpeed(int value) {
  setNumber(Setting::DoubleClickSpeed, value);
}
void ProfileRecord::setPointerSpeed(int value) {
  setNumber(Setting::PointerSpeed, value);
}
void ProfileRecord::setAccelerationEnable(int on) {
  setNumber(Setting::AccelerationEnable, on != 0 ? 1 : 0);
}
void ProfileRecord::setScrollWheelSpeed(int value) {
  setNumber(Setting::ScrollWheelSpeed, value);
}
void ProfileRecord::setScrollWheelPageEnable(int on) {
  setNumber(Setting::ScrollWheelPageEnable, on != 0 ? 1 : 0);
}
void ProfileRecord::setTiltSpeed(int value) {
  setNumber(Setting::TiltSpeed, value);
}
void ProfileRecord::setX_DPI(int value) {
  setNumber(Setting::X_DPI, value);
}
// These two pages pass signed check-box states, so only positive values switch them on.
void ProfileRecord::setMoveLightingOnOffMode(int on) {
  setNumber(Setting::MoveLightingOnOffMode, on > 0 ? 1 : 0);
}
void ProfileRecord::setPowerDownTime(int minutes) {
  setNumber(Setting::PowerDownTime, minutes);
}
void ProfileRecord::setLiftDetectionHeight(int value) {
  setNumber(Setting::LiftDetectionHeight, value);
}
void ProfileRecord::setKeyDebounce(int ms) {
  setNumber(Setting::KeyDebounce, ms);
}
void ProfileRecord::setMotionWakeup(int on) {
  setNumber(Setting::MotionWakeup, on > 0 ? 1 : 0);
}

KeySlot* ProfileRecord::slot(std::size_t index) {
  return index < keys.size() ? &keys[index] : nullptr;
}

const KeySlot* ProfileRecord::slot(std::size_t index) const {
  return index < keys.size() ? &keys[index] : nullptr;
}

}  // namespace pelorin

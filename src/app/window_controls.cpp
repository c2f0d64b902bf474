#include "app/window_controls.h"

#include <array>

#include "lang/text_ids.h"

namespace pelorin {
namespace {

constexpr const char* kHeaderNormal = "skins\\header_nr.png";
constexpr const char* kHeaderOver = "skins\\header_ov.png";
constexpr std::array<const char*, 4> kButton2 = {"skins\\button2_nr.png", "skins\\button2_ov.png"};
constexpr std::array<const char*, 4> kAdd = {"skins\\add_nr.png", "skins\\add_ov.png"};
constexpr std::array<const char*, 4> kCaption = {"skins\\header2_nr.png", "skins\\header2_ov.png"};
constexpr std::array<const char*, 4> kSlot = {
    "skins\\profile_slot_nr.png", "skins\\profile_slot_ov.png", "skins\\profile_slot_nr2.png",
    "skins\\profile_slot_ov2.png"};
// The profile combo's popup reports through 1124.
constexpr unsigned kProfileMenu = 1124;

constexpr ControlRow slot(int k) {
  return {ctl_id::kFirstSlot + k,
          ControlKind::ProfileSlot,
          {50, 480 + 25 * k, 212, 501 + 25 * k},
          kSlot};
}

constexpr ControlRow header(int id, int top, int textId) {
  return {
      id, ControlKind::Header, {846, top, 1108, top + 25}, {kHeaderNormal, kHeaderOver}, textId};
}

constexpr std::array<ControlRow, 30> kWindowTable = {{
    {3400, ControlKind::Picture, {457, 171, 672, 569}, {"skins\\mouse\\mouse_nr.png"}},
    {ctl_id::kMacroManager,
     ControlKind::Button,
     {36, 320, 266, 345},
     {"skins\\button1_nr.png", "skins\\button1_ov.png"},
     8},
    {ctl_id::kProfileCombo,
     ControlKind::Combo,
     {42, 450, 204, 471},
     {"skins\\combo2_nr.png", "skins\\combo2_ov.png"},
     kNoText,
     u"Disable",
     kProfileMenu},
    slot(0),
    slot(1),
    slot(2),
    slot(3),
    slot(4),
    {ctl_id::kAddProfile, ControlKind::Button, {50, 600, 96, 620}, kAdd, kNoText, u"+"},
    {ctl_id::kImportProfile,
     ControlKind::Button,
     {350, 558, 384, 578},
     {"skins\\profile_import_nr.png", "skins\\profile_import_ov.png"}},
    {ctl_id::kExportProfile,
     ControlKind::Button,
     {388, 558, 422, 578},
     {"skins\\profile_export_nr.png", "skins\\profile_export_ov.png"}},
    {ctl_id::kEditProfile,
     ControlKind::Button,
     {426, 558, 460, 578},
     {"skins\\profile_rename_nr.png", "skins\\profile_rename_ov.png"}},
    {3008, ControlKind::Caption, {36, 37, 266, 62}, kCaption, text_id::kButtonSettings},
    {3007, ControlKind::Caption, {36, 398, 266, 423}, kCaption, text_id::kBattery},
    {3009, ControlKind::Caption, {300, 452, 462, 477}, kCaption, text_id::kProfiles},
    {3010, ControlKind::Caption, {36, 525, 266, 550}, kCaption, text_id::kPowerSaving},
    header(3001, 37, text_id::kDpiSettings),
    header(3002, 67, text_id::kLighting),
    header(3004, 97, text_id::kPollingRate),
    header(3011, 127, text_id::kLiftOffDistance),
    header(3012, 157, text_id::kDebounceTime),
    header(3003, 187, text_id::kWindowsSettings),
    {ctl_id::kApply, ControlKind::Button, {913, 611, 982, 631}, kButton2, text_id::kApply},
    {ctl_id::kReset, ControlKind::Button, {1040, 700, 1109, 720}, kButton2, text_id::kReset},
    {ctl_id::kProfileButton,
     ControlKind::Button,
     {36, 700, 105, 720},
     kButton2,
     text_id::kSettings},
    {ctl_id::kVersion, ControlKind::Label, {150, 702, 360, 720}, {}, text_id::kVersion, u":1.1.2"},
    {ctl_id::kLink, ControlKind::Link, {463, 660, 663, 678}, {}, text_id::kUserGuide},
    {ctl_id::kClose,
     ControlKind::Button,
     {1092, 12, 1107, 27},
     {"skins\\exit_nr.png", "skins\\exit_ov.png"}},
    {ctl_id::kMinimise,
     ControlKind::Button,
     {1072, 12, 1087, 27},
     {"skins\\min_nr.png", "skins\\min_ov.png"}},
    {3022, ControlKind::Label, {463, 600, 663, 618}, {}, kNoText, u"", 0xFFD000},
}};

}  // namespace

std::unique_ptr<Page> makeWindowControls() {
  return std::make_unique<Page>(kWindowTable);
}

}  // namespace pelorin

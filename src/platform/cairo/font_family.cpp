#include "platform/cairo/font_family.h"

#include <array>
#include <string_view>

#include "common/utf.h"

namespace pelorin {

namespace {

struct FamilyAlias {
  std::u16string_view face;
  std::string_view families;
};

constexpr std::string_view kSimplifiedChinese =
    "Noto Sans CJK SC,Source Han Sans SC,WenQuanYi Micro Hei,Droid Sans Fallback";

constexpr std::array kAliases{
    FamilyAlias{u"Tahoma", "DejaVu Sans,Verdana,Liberation Sans"},
    FamilyAlias{u"Arial", "Liberation Sans,Arimo,Nimbus Sans,DejaVu Sans"},
    FamilyAlias{u"Microsoft YaHei", kSimplifiedChinese},
    FamilyAlias{u"\u5B8B\u4F53", kSimplifiedChinese},  // SimSun
    FamilyAlias{u"SimSun", kSimplifiedChinese},
};

}  // namespace

std::string fontFamilyList(const Font& font) {
  std::string list = toUtf8(font.face);
  for (const auto& alias : kAliases) {
    if (alias.face == font.face) {
      list += ',';
      list += alias.families;
    }
  }
  if (!list.empty()) list += ',';
  list += "sans-serif";
  return list;
}

}  // namespace pelorin

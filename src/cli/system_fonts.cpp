// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/system_fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <set>

#include "base/number.h"
#include "settings/shipped_font.h"

namespace zarno::cli {

std::vector<std::u16string> SystemFontFamilies() {
  std::set<std::u16string> families;
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
    for (int i = 0; i < set->nfont; ++i) {
      FcChar8* family = nullptr;
      for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &family) == FcResultMatch;
           ++k) {
        families.insert(FromUtf8(reinterpret_cast<const char*>(family)));
      }
    }
    FcFontSetDestroy(set);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  std::vector<std::u16string> list(families.begin(), families.end());
  // Sorted ignoring case, as the window's font lists are.
  std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
          auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
          return lower(x) < lower(y);
        });
  });
  return list;
}

std::optional<std::filesystem::path> RegisterShippedFontForProcess() {
  const auto shipped = FindShippedFont(ShippedFontPlacesOfThisProcess());
  if (!shipped) return std::nullopt;
  if (FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(shipped->c_str())) !=
      FcTrue) {
    return std::nullopt;
  }
  return shipped;
}

}  // namespace zarno::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workboard's font-face list: a sorted list filled from the printer's or the
// screen's font names.
#include <string>
#include <vector>

namespace numbrella {

// The order the face list keeps: letters compared without regard to case, ties broken
// by the exact text.
bool FaceNameBefore(const std::string& a, const std::string& b);

// The list after a fill with `names`: entry i of the list is set to name i, entries of
// an earlier, longer fill stay, and the list is sorted again.
std::vector<std::string> RefilledFaceList(const std::vector<std::string>& current,
                                          const std::vector<std::string>& names);

// A family's name as the user knows it. When several foundries make fonts of one
// family, the font system names each "Family [foundry]"; the list shows the family
// once, by its plain name, and the font system takes that name for any of them.
std::string PlainFamilyName(const std::string& family);

// The families once each, by plain name, in the order of their first appearance.
std::vector<std::string> PlainFamilyNames(const std::vector<std::string>& families);

}  // namespace numbrella

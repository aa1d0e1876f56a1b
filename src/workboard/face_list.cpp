// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/face_list.h"

#include <algorithm>
#include <unordered_set>

namespace numbrella {

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool FaceNameBefore(const std::string& a, const std::string& b) {
  const bool foldedLess =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Folded(x)) < static_cast<unsigned char>(Folded(y));
      });
  if (foldedLess) return true;
  const bool foldedGreater =
      std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return static_cast<unsigned char>(Folded(x)) < static_cast<unsigned char>(Folded(y));
      });
  if (foldedGreater) return false;
  return a < b;
}

std::vector<std::string> RefilledFaceList(const std::vector<std::string>& current,
                                          const std::vector<std::string>& names) {
  std::vector<std::string> list = names;
  for (std::size_t i = names.size(); i < current.size(); ++i) list.push_back(current[i]);
  std::stable_sort(list.begin(), list.end(), FaceNameBefore);
  return list;
}

std::string PlainFamilyName(const std::string& family) {
  if (family.size() < 4 || family.back() != ']') return family;
  const std::size_t open = family.rfind(" [");
  if (open == std::string::npos || open == 0 || open + 3 > family.size() - 1) return family;
  return family.substr(0, open);
}

std::vector<std::string> PlainFamilyNames(const std::vector<std::string>& families) {
  std::vector<std::string> names;
  names.reserve(families.size());
  std::unordered_set<std::string> seen;
  for (const std::string& family : families) {
    std::string name = PlainFamilyName(family);
    if (seen.insert(name).second) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace numbrella

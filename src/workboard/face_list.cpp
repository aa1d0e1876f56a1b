#include "workboard/face_list.h"

#include <algorithm>

namespace numbrella {

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool FaceNameBefore(const std::string& a, const std::string& b) {
  const bool foldedLess = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char x, char y) { return static_cast<unsigned char>(Folded(x)) < static_cast<unsigned char>(Folded(y)); });
  if (foldedLess) return true;
  const bool foldedGreater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [](char x, char y) { return static_cast<unsigned char>(Folded(x)) < static_cast<unsigned char>(Folded(y)); });
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

}  // namespace numbrella

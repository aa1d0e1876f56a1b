#include "calculator/window_texts.h"

namespace numbrella {

namespace {

std::string WithAddress(std::string title) {
  title.append(12, ' ');
  title += kMakerAddress;
  title += ' ';
  return title;
}

}  // namespace

std::string UntitledWindowTitle() { return WithAddress("  Numbrella Calculator - Untitled"); }

std::string TitledWindowTitle(std::string_view path) {
  std::string title = "  Numbrella Calculator ";
  title += path;
  return WithAddress(std::move(title));
}

}  // namespace numbrella

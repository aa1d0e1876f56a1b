// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window_texts.h"

namespace numbrella {

namespace {

std::string WithAddress(std::string title) {
  title.append(12, ' ');
  title += kMakerAddress;
  title += ' ';
  return title;
}

// The system's reasons come without a full stop; the program's own have one.
void AppendSentence(std::string& text, std::string_view sentence) {
  text += sentence;
  if (!sentence.empty() && sentence.back() != '.') text += '.';
}

}  // namespace

std::string UntitledWindowTitle() { return WithAddress("  Numbrella Calculator - Untitled"); }

std::string TitledWindowTitle(std::string_view path) {
  std::string title = "  Numbrella Calculator ";
  title += path;
  return WithAddress(std::move(title));
}

std::string OpenFailureText(std::string_view path, std::string_view reason) {
  std::string text = "Cannot open \"";
  text += path;
  text += "\".\n";
  AppendSentence(text, reason);
  return text;
}

std::string SaveFailureText(std::string_view path, std::string_view reason) {
  std::string text = "Cannot save the workboard to \"";
  text += path;
  text += "\".\n";
  AppendSentence(text, reason);
  text += "\nThe file was not changed.";
  return text;
}

std::string PrintFailureText(std::string_view printer) {
  std::string text = "The workboard could not be printed on \"";
  text += printer;
  text += "\".";
  return text;
}

}  // namespace numbrella

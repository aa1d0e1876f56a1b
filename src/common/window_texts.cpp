// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window_texts.h"

namespace numbrella {

namespace {

//: The window's title while the workboard has no file; keep the two leading blanks.
constexpr std::string_view kUntitledTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "  Numbrella Calculator - Untitled");
//: The window's title before the workboard file's path; keep the blanks around it.
constexpr std::string_view kTitledTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "  Numbrella Calculator ");
//: %1 is the file's path; the reason follows on the next line.
constexpr std::string_view kCannotOpen =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Cannot open \"%1\".");
//: %1 is the file's path; the reason follows on the next line.
constexpr std::string_view kCannotSave =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Cannot save the workboard to \"%1\".");
constexpr std::string_view kFileUnchanged =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "The file was not changed.");
//: %1 is the printer's name, or the file printed into.
constexpr std::string_view kCannotPrint =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "The workboard could not be printed on \"%1\".");

std::string Translated(std::string_view text) { return Translate(kWindowTextsContext, text); }

std::string WithAddress(std::string title) {
  title.append(12, ' ');
  title += kMakerAddress;
  title += ' ';
  return title;
}

// The translated pattern with its "%1" replaced; a "%1" in the argument (a file may
// be named so) stays as it is.
std::string WithArgument(std::string_view pattern, std::string_view argument) {
  const std::string translated = Translated(pattern);
  const std::size_t at = translated.find("%1");
  if (at == std::string::npos) return translated;
  std::string text = translated.substr(0, at);
  text += argument;
  text += std::string_view(translated).substr(at + 2);
  return text;
}

// The system's reasons come without a full stop; the program's own have one.
void AppendSentence(std::string& text, std::string_view sentence) {
  text += sentence;
  if (!sentence.empty() && sentence.back() != '.') text += '.';
}

}  // namespace

std::string UntitledWindowTitle() { return WithAddress(Translated(kUntitledTitle)); }

std::string SpokenWindowTitle(std::string_view path) {
  if (path.empty()) {
    const std::string untitled = Translated(kUntitledTitle);
    const std::size_t first = untitled.find_first_not_of(' ');
    return first == std::string::npos ? untitled : untitled.substr(first);
  }
  std::string title = Translated(kProgramTitle);
  title += " - ";
  title += path.substr(path.find_last_of('/') + 1);
  return title;
}

std::string TitledWindowTitle(std::string_view path) {
  std::string title = Translated(kTitledTitle);
  title += path;
  return WithAddress(std::move(title));
}

std::string OpenFailureText(std::string_view path, std::string_view reason) {
  std::string text = WithArgument(kCannotOpen, path);
  text += '\n';
  AppendSentence(text, reason);
  return text;
}

std::string SaveFailureText(std::string_view path, std::string_view reason) {
  std::string text = WithArgument(kCannotSave, path);
  text += '\n';
  AppendSentence(text, reason);
  text += '\n';
  text += Translated(kFileUnchanged);
  return text;
}

std::string PrintFailureText(std::string_view printer) {
  return WithArgument(kCannotPrint, printer);
}

}  // namespace numbrella

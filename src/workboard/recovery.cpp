// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/recovery.h"

#include "common/window_texts.h"

#include <charconv>
#include <system_error>

namespace numbrella {

namespace {

constexpr std::string_view kFirstLine = "numbrella workboard recovery 1\n";

//: %1 is when the workboard last changed. Two lines: keep the line break (CR LF).
constexpr std::string_view kRestoreUntitled =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "The calculator ended without saving its workboard, last changed %1.\r\n"
                        "Would you like to restore the unsaved workboard?");
//: %1 is when the workboard last changed, %2 the workboard's file. Two lines: keep the
//: line break (CR LF).
constexpr std::string_view kRestoreTitled =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts",
                        "The calculator ended without saving its workboard \"%2\", last "
                        "changed %1.\r\nWould you like to restore the unsaved workboard?");
//: %1 is the copy's path, %2 where it was moved.
constexpr std::string_view kUnreadableCopy = NUMBRELLA_TRANSLATE(
    "numbrella::WindowTexts",
    "The recovery copy \"%1\" of an unsaved workboard cannot be read. It was kept as \"%2\".");

// The translated pattern with "%1" and "%2" replaced; a "%" in an argument (a file may
// be named so) stays as it is.
std::string WithArguments(std::string_view pattern, std::string_view first,
                          std::string_view second) {
  const std::string translated = Translate(kWindowTextsContext, pattern);
  std::string text;
  for (std::size_t i = 0; i < translated.size(); ++i) {
    if (translated[i] == '%' && i + 1 < translated.size() &&
        (translated[i + 1] == '1' || translated[i + 1] == '2')) {
      text += translated[i + 1] == '1' ? first : second;
      ++i;
    } else {
      text += translated[i];
    }
  }
  return text;
}

std::string_view EncodingName(TextEncoding encoding) {
  return encoding == TextEncoding::Windows1252 ? "windows-1252" : "utf-8";
}

// Reads the copy field by field; any step that does not find what it expects ends
// the reading.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  bool Take(std::string_view expected) {
    if (!rest_.starts_with(expected)) return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

  // The value of the line "key=value\n".
  std::optional<std::string_view> Value(std::string_view key) {
    if (!Take(key) || !Take("=")) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view value = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    return value;
  }

  template <typename Number>
  std::optional<Number> NumberValue(std::string_view key) {
    const std::optional<std::string_view> value = Value(key);
    if (!value || value->empty()) return std::nullopt;
    Number number{};
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    return number;
  }

  // A length line, then that many bytes and a line break.
  std::optional<std::string> Counted(std::string_view key) {
    const std::optional<std::size_t> length = NumberValue<std::size_t>(key);
    if (!length || *length >= rest_.size()) return std::nullopt;
    std::string bytes(rest_.substr(0, *length));
    rest_.remove_prefix(*length);
    if (!Take("\n")) return std::nullopt;
    return bytes;
  }

  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace

std::string RecoveryBytes(const RecoveryRecord& record) {
  std::string bytes(kFirstLine);
  bytes += "changed=";
  bytes += record.changed ? "1" : "0";
  bytes += "\nencoding=";
  bytes += EncodingName(record.encoding);
  bytes += "\nlast-changed=" + std::to_string(record.lastChanged);
  bytes += "\nfile-name=" + std::to_string(record.fileName.size()) + "\n";
  bytes += record.fileName;
  bytes += "\ntext=" + std::to_string(record.text.size()) + "\n";
  bytes.reserve(bytes.size() + record.text.size() + 1);
  bytes += record.text;
  bytes += '\n';
  return bytes;
}

std::optional<RecoveryRecord> ReadRecovery(std::string_view bytes) {
  Reader reader(bytes);
  if (!reader.Take(kFirstLine)) return std::nullopt;
  RecoveryRecord record;
  const std::optional<std::string_view> changed = reader.Value("changed");
  if (!changed || (*changed != "0" && *changed != "1")) return std::nullopt;
  record.changed = *changed == "1";
  const std::optional<std::string_view> encoding = reader.Value("encoding");
  if (encoding == EncodingName(TextEncoding::Windows1252)) {
    record.encoding = TextEncoding::Windows1252;
  } else if (encoding != EncodingName(TextEncoding::Utf8)) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> lastChanged = reader.NumberValue<std::int64_t>("last-changed");
  if (!lastChanged) return std::nullopt;
  record.lastChanged = *lastChanged;
  std::optional<std::string> fileName = reader.Counted("file-name");
  if (!fileName) return std::nullopt;
  record.fileName = std::move(*fileName);
  std::optional<std::string> text = reader.Counted("text");
  if (!text || !reader.AtEnd()) return std::nullopt;
  record.text = std::move(*text);
  return record;
}

bool IsRecoveryCopyName(std::string_view fileName) {
  return fileName.size() > kRecoverySuffix.size() && fileName.ends_with(kRecoverySuffix);
}

std::string UnreadableCopyName(std::string_view path) { return std::string(path) + ".unreadable"; }

std::string RestoreQuestionText(const RecoveryRecord& record, std::string_view when) {
  return WithArguments(record.fileName.empty() ? kRestoreUntitled : kRestoreTitled, when,
                       record.fileName);
}

std::string UnreadableCopyText(std::string_view path, std::string_view aside) {
  return WithArguments(kUnreadableCopy, path, aside);
}

}  // namespace numbrella

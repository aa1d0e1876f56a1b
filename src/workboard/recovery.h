// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy of a workboard that holds unsaved work: what it holds, its bytes
// on disk, its names, and the texts that offer it back when the calculator that wrote
// it ended without a clean close (a crash, a kill, a logout).
#include "common/translation.h"
#include "workboard/document_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella {

struct RecoveryRecord {
  std::string text;      // the workboard's text, UTF-8 with "\r\n" line breaks
  std::string fileName;  // the document's path, "" while untitled
  TextEncoding encoding = TextEncoding::Utf8;
  bool changed = true;           // the text holds work that is not saved
  std::int64_t lastChanged = 0;  // when the text last changed: seconds since 1970, UTC

  bool operator==(const RecoveryRecord&) const = default;
};

// The copy's bytes: a first line that names the format, a "key=value" line for each
// field, and the file name and the text each after a line with its length in bytes,
// so that any bytes at all come back as they were.
std::string RecoveryBytes(const RecoveryRecord& record);

// The record in `bytes`; nullopt for anything but a whole copy: another file, or a
// copy that was cut short or damaged.
std::optional<RecoveryRecord> ReadRecovery(std::string_view bytes);

// A copy's file name ends in ".recovery"; its lock is that name and ".lock", and a
// copy that cannot be read is moved aside to its name and ".unreadable".
inline constexpr std::string_view kRecoverySuffix = ".recovery";
inline constexpr std::string_view kLockSuffix = ".lock";
bool IsRecoveryCopyName(std::string_view fileName);
std::string UnreadableCopyName(std::string_view path);

// What becomes of a copy that has been offered back.
enum class CopyFate {
  Remove,     // restored, or the user let it go
  MoveAside,  // it could not be read: kept under UnreadableCopyName for the user
  Keep,       // the question went unanswered, or restoring would replace unsaved work
};

inline constexpr std::string_view kRestoreQuestionTitle =
    NUMBRELLA_TRANSLATE("numbrella::WindowTexts", "Restore Your Work?");

// The question that offers a copy back, in the user's language; `when` is its last
// change as the user reads times.
std::string RestoreQuestionText(const RecoveryRecord& record, std::string_view when);
// The message for the copy at `path` that could not be read and went to `aside`.
std::string UnreadableCopyText(std::string_view path, std::string_view aside);

}  // namespace numbrella

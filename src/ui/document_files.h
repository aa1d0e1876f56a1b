// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Workboard documents on disk.
#include "workboard/document.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace numbrella::ui {

// The file's bytes, at most `largest` + 1 of them (enough to tell that it is too
// large), or why it cannot be read. Folders, devices and pipes are not read: a pipe
// would wait for a writer for ever.
FileContent ReadDocumentFile(const QString& path, std::size_t largest);

// Writes `bytes` as the file's whole new content through a temporary file beside it,
// which replaces the old file only once it is complete and on disk: a failure at any
// point, the program's end included, leaves the old file as it was. nullopt when
// written, else why not.
std::optional<std::string> WriteDocumentFile(const QString& path, std::string_view bytes);

// The same for content that comes in pieces: `pieces` hands each to the writer it is
// given, in order, and stops when the writer returns false.
using PieceWriter = std::function<bool(std::string_view piece)>;
std::optional<std::string> WriteDocumentFile(const QString& path,
                                             const std::function<void(const PieceWriter&)>& pieces);

}  // namespace numbrella::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts between the core, which speaks UTF-8, and Qt.
#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

namespace numbrella::ui {

// Every character, a leading U+FEFF too (the signature of a UTF-8 file, which
// QString::fromUtf8 would drop and a saved document would lose).
inline QString Q(std::string_view text) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string Utf8(QStringView text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A window title shown as it is: Qt takes "[*]" for its modified mark unless doubled,
// and a file's name may hold it.
inline QString LiteralTitle(QString title) {
  return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace numbrella::ui

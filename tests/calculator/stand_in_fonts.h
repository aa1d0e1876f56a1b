// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Faces the calculator asks for by name ("Arial Narrow", "Arial Rounded MT Bold")
// are rarely installed on a test machine. This registers stand-ins for the run: an
// installed TrueType font under another family name, made in memory by replacing its
// naming table, and given to Qt as an application font.
#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace numbrella::testing {

namespace detail {

inline std::uint32_t ReadU32(const QByteArray& data, qsizetype at) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + at);
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

inline void PutU16(QByteArray& out, std::uint32_t value) {
  out.append(static_cast<char>((value >> 8) & 0xFF));
  out.append(static_cast<char>(value & 0xFF));
}

inline void SetU32(QByteArray& data, qsizetype at, std::uint32_t value) {
  data[at] = static_cast<char>((value >> 24) & 0xFF);
  data[at + 1] = static_cast<char>((value >> 16) & 0xFF);
  data[at + 2] = static_cast<char>((value >> 8) & 0xFF);
  data[at + 3] = static_cast<char>(value & 0xFF);
}

// A naming table (format 0) with the family, style, full and PostScript names only,
// in the Windows Unicode encoding.
inline QByteArray NamingTable(const QString& family) {
  QString postScript = family;
  postScript.remove(QLatin1Char(' '));
  const QString names[4] = {family, QStringLiteral("Regular"), family, postScript};
  const std::uint32_t ids[4] = {1, 2, 4, 6};
  QByteArray strings;
  QByteArray table;
  PutU16(table, 0);
  PutU16(table, 4);
  PutU16(table, 6 + 4 * 12);
  for (int i = 0; i < 4; ++i) {
    QByteArray utf16;
    for (QChar c : names[i]) PutU16(utf16, c.unicode());
    PutU16(table, 3);      // Windows
    PutU16(table, 1);      // Unicode BMP
    PutU16(table, 0x409);  // English
    PutU16(table, ids[i]);
    PutU16(table, static_cast<std::uint32_t>(utf16.size()));
    PutU16(table, static_cast<std::uint32_t>(strings.size()));
    strings += utf16;
  }
  return table + strings;
}

// The font file with its naming table replaced by one for `family`; empty when the
// file is no TrueType font with a naming table.
inline QByteArray Renamed(QByteArray font, const QString& family) {
  if (font.size() < 12) return {};
  const int tables =
      (static_cast<unsigned char>(font[4]) << 8) | static_cast<unsigned char>(font[5]);
  for (int i = 0; i < tables; ++i) {
    const qsizetype record = 12 + 16 * i;
    if (record + 16 > font.size()) return {};
    if (font.mid(record, 4) != "name") continue;
    while (font.size() % 4 != 0) font.append('\0');
    const QByteArray table = NamingTable(family);
    SetU32(font, record + 8, static_cast<std::uint32_t>(font.size()));
    SetU32(font, record + 12, static_cast<std::uint32_t>(table.size()));
    font += table;
    return font;
  }
  return {};
}

}  // namespace detail

// Registers a stand-in for each family that Qt does not know; true when all of them
// are known afterwards.
inline bool InstallStandInFonts(const QStringList& families) {
  static const char* const kSources[] = {
      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
      "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
  };
  QByteArray source;
  for (const char* path : kSources) {
    QFile file(QString::fromLatin1(path));
    if (file.open(QIODevice::ReadOnly)) {
      source = file.readAll();
      break;
    }
  }
  bool all = true;
  for (const QString& family : families) {
    if (QFontDatabase::families().contains(family)) continue;
    const QByteArray font = detail::Renamed(source, family);
    if (font.isEmpty() || QFontDatabase::addApplicationFontFromData(font) < 0) all = false;
    all = all && QFontDatabase::families().contains(family);
  }
  return all;
}

}  // namespace numbrella::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Run by the build: writes the application icon's pictures as arrays of ready pixels
// (premultiplied ARGB, as Qt draws them), so that the program hands the desktop its
// icon without decoding a picture while it starts.
//
//   make_icon_pixels OUTPUT PICTURE...
#include <QImage>
#include <QString>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

void AppendHex(std::string& text, std::uint32_t value) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
  text.append("0x").append(digits, end);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: make_icon_pixels OUTPUT PICTURE...\n", stderr);
    return 2;
  }
  std::string text = "// Made by make_icon_pixels from the icon's pictures.\n";
  std::string list;
  for (int i = 2; i < argc; ++i) {
    const QImage picture = QImage(QString::fromLocal8Bit(argv[i]))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull() || picture.width() != picture.height()) {
      std::fprintf(stderr, "make_icon_pixels: %s is no square picture\n", argv[i]);
      return 1;
    }
    const std::string name = std::string("kIconPixels").append(std::to_string(i - 2));
    text.append("constexpr std::uint32_t ").append(name).append("[] = {");
    for (int y = 0; y < picture.height(); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        text.append(x % 8 == 0 ? "\n" : " ");
        AppendHex(text, row[x]);
        text.append(",");
      }
    }
    text += "\n};\n";
    list.append("    {")
        .append(std::to_string(picture.width()))
        .append(", ")
        .append(name)
        .append("},\n");
  }
  text += "struct IconPixels {\n  int size;\n  const std::uint32_t* pixels;\n};\n";
  text.append("constexpr IconPixels kIconPictures[] = {\n").append(list).append("};\n");
  std::ofstream output(argv[1], std::ios::binary | std::ios::trunc);
  output << text;
  output.close();
  if (!output) {
    std::fprintf(stderr, "make_icon_pixels: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

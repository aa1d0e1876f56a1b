// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/translation.h"

namespace numbrella {

namespace {
TextTranslator installed = nullptr;
}  // namespace

void SetTextTranslator(TextTranslator translator) { installed = translator; }

std::string Translate(const char* context, std::string_view text) {
  if (installed == nullptr) return std::string(text);
  return installed(context, text);
}

}  // namespace numbrella

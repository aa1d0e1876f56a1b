// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print_system.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <thread>

namespace numbrella::ui {

namespace {

// The library is opened rather than linked: linked, its dozen libraries (TLS,
// Kerberos, service discovery) would be loaded before the program's first line,
// where nothing else can be done meanwhile.
struct Cups {
  decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&::cupsFreeDests) freeDests = nullptr;
  decltype(&::ippNewRequest) newRequest = nullptr;
  decltype(&::ippAddString) addString = nullptr;
  decltype(&::cupsDoRequest) doRequest = nullptr;
  decltype(&::ippFindAttribute) findAttribute = nullptr;
  decltype(&::ippFindNextAttribute) findNextAttribute = nullptr;
  decltype(&::ippDelete) deleteMessage = nullptr;

  bool Loaded() const { return deleteMessage != nullptr; }
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

Cups Load() {
  void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return {};
  Cups cups;
  const bool complete = Resolve(library, "cupsGetNamedDest", cups.getNamedDest) &&
                        Resolve(library, "cupsFreeDests", cups.freeDests) &&
                        Resolve(library, "ippNewRequest", cups.newRequest) &&
                        Resolve(library, "ippAddString", cups.addString) &&
                        Resolve(library, "cupsDoRequest", cups.doRequest) &&
                        Resolve(library, "ippFindAttribute", cups.findAttribute) &&
                        Resolve(library, "ippFindNextAttribute", cups.findNextAttribute) &&
                        Resolve(library, "ippDelete", cups.deleteMessage);
  if (!complete) return {};
  return cups;
}

// Loaded once; a question asked while the preloading thread is still at it waits for it.
const Cups& Library() {
  static const Cups cups = Load();
  return cups;
}

}  // namespace

void PreloadPrintSystem() {
  // Joined when the program ends, should it end before the library is in.
  static std::jthread loader([] { Library(); });
}

int InstalledPrinterCount() {
  const Cups& cups = Library();
  if (!cups.Loaded()) return 0;
  // One request for the queues' names alone: the list of destinations would also
  // look for printers on the network, and wait for them.
  ipp_t* request = cups.newRequest(IPP_OP_CUPS_GET_PRINTERS);
  cups.addString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
  ipp_t* response = cups.doRequest(CUPS_HTTP_DEFAULT, request, "/");
  if (response == nullptr) return 0;
  int count = 0;
  for (ipp_attribute_t* queue = cups.findAttribute(response, "printer-name", IPP_TAG_NAME);
       queue != nullptr; queue = cups.findNextAttribute(response, "printer-name", IPP_TAG_NAME)) {
    ++count;
  }
  cups.deleteMessage(response);
  return count;
}

std::optional<QString> DefaultDestinationName() {
  const Cups& cups = Library();
  if (!cups.Loaded()) return std::nullopt;
  // The user's own default (environment, lpoptions) first, then the scheduler's: the
  // one the print dialog offers.
  cups_dest_t* destination = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) return std::nullopt;
  QString name = QString::fromLocal8Bit(destination->name);
  if (destination->instance != nullptr) {
    name += QLatin1Char('/') + QString::fromLocal8Bit(destination->instance);
  }
  cups.freeDests(1, destination);
  return name;
}

}  // namespace numbrella::ui

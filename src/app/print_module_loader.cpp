// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace numbrella::app {

LoadedPrintModule LoadPrintModule(const QStringList& files) {
  for (qsizetype i = 0; i < files.size(); ++i) {
    const QString& file = files[i];
    // The last place is tried whatever: the system says why it has no module there.
    if (!QFileInfo(file).isFile() && i + 1 < files.size()) continue;
    void* library = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return {nullptr, QString::fromLocal8Bit(dlerror())};
    using Entry = const PrintModule* (*)();
    if (auto entry = reinterpret_cast<Entry>(dlsym(library, kPrintModuleEntry))) {
      return {entry(), {}};
    }
    const QString error = QString::fromLocal8Bit(dlerror());
    dlclose(library);
    return {nullptr, error};
  }
  return {};
}

QStringList PrintModuleFiles() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program + u'/' + QLatin1String(kPrintModuleFile),
          QDir::cleanPath(program + QStringLiteral("/" NUMBRELLA_PRINT_MODULE_FROM_PROGRAM "/") +
                          QLatin1String(kPrintModuleFile))};
}

}  // namespace numbrella::app

#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vn::app {

bool InstallQtTranslations(QCoreApplication& application, const QLocale& locale, const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

bool InstallQtTranslations(QCoreApplication& application) {
  return InstallQtTranslations(application, QLocale::system(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace vn::app

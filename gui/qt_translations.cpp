#include "gui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zelmora {

bool LoadQtJapanese(QCoreApplication& app) {
  const QString name = QStringLiteral("qtbase_ja");
  if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) return true;
  auto* translator = new QTranslator(&app);
  translator->setObjectName(name);
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace zelmora

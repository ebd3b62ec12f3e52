#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

namespace {

// Owned by the application, so that they go with it.
QTranslator* Fresh(QTranslator*& slot) {
  if (slot) {
    QCoreApplication::removeTranslator(slot);
    delete slot;
  }
  slot = new QTranslator(QCoreApplication::instance());
  return slot;
}

}  // namespace

bool Install(const QLocale& locale) {
  static QTranslator* ours = nullptr;
  static QTranslator* qt = nullptr;
  // The buttons and titles of Qt's dialogs (file, colour, font, print), where Qt's translations are installed.
  if (Fresh(qt)->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  const bool found = Fresh(ours)->load(locale, QStringLiteral("kedrin"), QStringLiteral("_"), QStringLiteral(":/translations"));
  if (found) QCoreApplication::installTranslator(ours);
  return found;
}

}  // namespace translations

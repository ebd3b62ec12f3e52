#pragma once
#include <QLocale>

// The editor's texts in the user's language: our translation for the locale (built into the
// program from translations/kedrin_<language>.ts) and Qt's own for its standard dialogs.
namespace translations {

// Installs the translations for the locale in place of any installed before. False when the
// editor has none for it: the texts stay the English originals.
bool Install(const QLocale& locale);

}  // namespace translations

#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The hunspell dictionaries on the system: a pair of files NAME.aff and NAME.dic per language.
namespace spelling {

struct Dictionary {
  QString name;  // the language as the files name it: "en_US", "de_DE"
  QString affPath, dicPath;
  bool operator==(const Dictionary&) const = default;
};

// Where dictionaries are looked for: the user's own (the generic data folder's "hunspell"), then
// the system's (/usr/share/hunspell).
QStringList DictionaryFolders();

// Every dictionary in the folders, by name; of two with one name, the one in the earlier folder.
// Hyphenation patterns (hyph_*) are no dictionaries and are left out.
std::vector<Dictionary> FindDictionaries(const QStringList& folders);

// The dictionary for a locale: the one of its exact name ("de_AT"), else the language's own
// country ("de_DE"), else the first of its language by name; for the C locale, "en_US". None
// when the language has none.
std::optional<Dictionary> ChooseDictionary(const std::vector<Dictionary>& dictionaries, const QLocale& locale);

}  // namespace spelling

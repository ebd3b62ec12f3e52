#include "Dictionaries.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace spelling {

QStringList DictionaryFolders() {
  QStringList folders;
  const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (!own.isEmpty()) folders << own + "/hunspell";
  folders << "/usr/share/hunspell";
  return folders;
}

std::vector<Dictionary> FindDictionaries(const QStringList& folders) {
  std::vector<Dictionary> found;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    for (const QFileInfo& aff : dir.entryInfoList({"*.aff"}, QDir::Files | QDir::Readable, QDir::Name)) {
      const QString name = aff.completeBaseName();
      if (name.startsWith("hyph_")) continue;
      const QFileInfo dic(dir.filePath(name + ".dic"));
      if (!dic.isFile() || !dic.isReadable()) continue;
      if (std::any_of(found.begin(), found.end(), [&](const Dictionary& d) { return d.name == name; })) continue;
      found.push_back({name, aff.filePath(), dic.filePath()});
    }
  }
  std::sort(found.begin(), found.end(), [](const Dictionary& a, const Dictionary& b) { return a.name < b.name; });
  return found;
}

std::optional<Dictionary> ChooseDictionary(const std::vector<Dictionary>& dictionaries, const QLocale& locale) {
  const QString name = locale.language() == QLocale::C ? QStringLiteral("en_US") : locale.name();
  const QString language = name.section('_', 0, 0);
  const QString ownCountry = language + '_' + language.toUpper();
  auto named = [&](const QString& n) -> std::optional<Dictionary> {
    for (const Dictionary& d : dictionaries)
      if (d.name == n) return d;
    return std::nullopt;
  };
  if (auto d = named(name)) return d;
  if (auto d = named(ownCountry)) return d;
  for (const Dictionary& d : dictionaries)
    if (d.name == language || d.name.startsWith(language + '_')) return d;
  return std::nullopt;
}

}  // namespace spelling

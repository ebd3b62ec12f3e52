#pragma once
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "Dictionaries.h"
#include "WordRanges.h"

// The spell checking every window of the editor shares: the language (the one chosen in the
// preferences, else the system locale's), its checker, the words ignored for this run and whether
// typing is checked. The choices are kept in the settings ("spelling/language",
// "spelling/asYouType").
namespace spelling {

class SpellChecker;

// A dictionary's name as the user reads it: "German (de_DE)"; the name alone when the language
// is not known.
QString LanguageTitle(const QString& name);

class SpellService : public QObject {
  Q_OBJECT
 public:
  static SpellService& Instance();

  // Where dictionaries and the personal list are (tests point them at their own).
  void SetPlaces(const QStringList& dictionaryFolders, const QString& personalListPath);
  std::vector<Dictionary> Installed() const;

  // The dictionary chosen by name, or empty for the system locale's.
  QString ChosenLanguage() const;
  void SetChosenLanguage(const QString& name);
  // The language looked for: the chosen one, else the system locale's name ("de_DE").
  QString WantedLanguage() const;
  bool AsYouType() const;
  void SetAsYouType(bool on);

  // The checker of the language, or none when no dictionary of it is installed (or it cannot be
  // read).
  const SpellChecker* Checker();
  // The misspelled words of the text, less the ignored ones; none without a checker.
  std::vector<WordRange> Misspelled(const QString& text);
  QStringList Suggestions(const QString& word);
  // "Add to Dictionary": kept in the personal list; false with `error` naming the file.
  bool Add(const QString& word, QString* error = nullptr);
  // "Ignore": right for the rest of this run.
  void Ignore(const QString& word);

 signals:
  // What counts as misspelled changed: the language, a word added or ignored, as-you-type.
  void Changed();

 private:
  SpellService();
  ~SpellService() override;
  void Reset();

  QStringList folders_;
  QString personalPath_;
  std::unique_ptr<SpellChecker> checker_;
  bool opened_ = false;  // the checker was looked for since the last change
  QSet<QString> ignored_;
  mutable std::optional<bool> asYouType_;
};

}  // namespace spelling

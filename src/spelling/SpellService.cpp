#include "SpellService.h"

#include <QLocale>
#include <QSettings>
#include <algorithm>

#include "SpellChecker.h"

namespace spelling {

namespace {
const QString kLanguageKey = QStringLiteral("spelling/language");
const QString kAsYouTypeKey = QStringLiteral("spelling/asYouType");
}  // namespace

QString LanguageTitle(const QString& name) {
  const QLocale locale(name);
  if (locale.language() == QLocale::C) return name;
  return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()), name);
}

SpellService& SpellService::Instance() {
  static SpellService service;
  return service;
}

SpellService::SpellService() : folders_(DictionaryFolders()), personalPath_(DefaultPersonalListPath()) {}

SpellService::~SpellService() = default;

void SpellService::SetPlaces(const QStringList& dictionaryFolders, const QString& personalListPath) {
  folders_ = dictionaryFolders;
  personalPath_ = personalListPath;
  ignored_.clear();
  Reset();
}

std::vector<Dictionary> SpellService::Installed() const { return FindDictionaries(folders_); }

QString SpellService::ChosenLanguage() const { return QSettings().value(kLanguageKey).toString(); }

void SpellService::SetChosenLanguage(const QString& name) {
  if (name == ChosenLanguage()) return;
  QSettings().setValue(kLanguageKey, name);
  Reset();
}

QString SpellService::WantedLanguage() const {
  const QString chosen = ChosenLanguage();
  if (!chosen.isEmpty()) return chosen;
  return QLocale().language() == QLocale::C ? QStringLiteral("en_US") : QLocale().name();
}

bool SpellService::AsYouType() const {
  // Asked for every line the editor colours: read once.
  if (!asYouType_) asYouType_ = QSettings().value(kAsYouTypeKey, true).toBool();
  return *asYouType_;
}

void SpellService::SetAsYouType(bool on) {
  if (on == AsYouType()) return;
  asYouType_ = on;
  QSettings().setValue(kAsYouTypeKey, on);
  emit Changed();
}

void SpellService::Reset() {
  checker_.reset();
  opened_ = false;
  emit Changed();
}

const SpellChecker* SpellService::Checker() {
  if (!opened_) {
    opened_ = true;
    const std::vector<Dictionary> installed = Installed();
    const QString chosen = ChosenLanguage();
    std::optional<Dictionary> dictionary;
    for (const Dictionary& d : installed)
      if (d.name == chosen) dictionary = d;
    // A chosen dictionary that is gone falls back to the system's language.
    if (!dictionary) dictionary = ChooseDictionary(installed, QLocale());
    if (dictionary) checker_ = SpellChecker::Open(*dictionary, personalPath_);
  }
  return checker_.get();
}

std::vector<WordRange> SpellService::Misspelled(const QString& text) {
  const SpellChecker* checker = Checker();
  if (!checker) return {};
  std::vector<WordRange> wrong = spelling::Misspelled(text, *checker);
  std::erase_if(wrong, [&](const WordRange& w) { return ignored_.contains(text.mid(w.start, w.length)); });
  return wrong;
}

QStringList SpellService::Suggestions(const QString& word) {
  const SpellChecker* checker = Checker();
  return checker ? checker->Suggestions(word) : QStringList();
}

bool SpellService::Add(const QString& word, QString* error) {
  Checker();
  if (!checker_) return false;
  if (!checker_->AddToPersonalList(word, error)) return false;
  emit Changed();
  return true;
}

void SpellService::Ignore(const QString& word) {
  if (word.isEmpty() || ignored_.contains(word)) return;
  ignored_.insert(word);
  emit Changed();
}

}  // namespace spelling

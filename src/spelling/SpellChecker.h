#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "Dictionaries.h"

class Hunspell;

// One language's spell checker over a hunspell dictionary, with the user's personal word list.
namespace spelling {

// The personal word list's file: "personal-words.txt" in the application's data folder.
QString DefaultPersonalListPath();

class SpellChecker {
 public:
  // The checker for the dictionary, with the words of the personal list (one word a line, UTF-8;
  // a missing file is an empty list). None when the dictionary cannot be read; `error` then names
  // its file.
  static std::unique_ptr<SpellChecker> Open(const Dictionary& dictionary, const QString& personalListPath,
                                            QString* error = nullptr);
  ~SpellChecker();

  const Dictionary& dictionary() const { return dictionary_; }
  // Whether the word is spelled right: in the dictionary (with its affixes and the dictionary's
  // rules for capitals) or in the personal list. A word the dictionary's encoding cannot hold is
  // not.
  bool IsCorrect(const QString& word) const;
  // The dictionary's suggestions, best first.
  QStringList Suggestions(const QString& word) const;
  // "Add to Dictionary": the word is right from now on, and is kept in the personal list file
  // (created with its folder when missing). False, with `error` naming the file, when it cannot be
  // written; a word that is empty, holds white space or is in the list already is not added again.
  bool AddToPersonalList(const QString& word, QString* error = nullptr);

 private:
  SpellChecker(const Dictionary& dictionary, const QString& personalListPath);
  bool Encode(const QString& word, std::string& out) const;

  Dictionary dictionary_;
  QString personalListPath_;
  std::unique_ptr<Hunspell> hunspell_;
  QStringList personal_;
};

}  // namespace spelling

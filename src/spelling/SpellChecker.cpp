#include "SpellChecker.h"

#include <QCoreApplication>
#include <hunspell.hxx>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace spelling {

QString DefaultPersonalListPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/personal-words.txt";
}

SpellChecker::SpellChecker(const Dictionary& dictionary, const QString& personalListPath)
    : dictionary_(dictionary), personalListPath_(personalListPath) {}

SpellChecker::~SpellChecker() = default;

std::unique_ptr<SpellChecker> SpellChecker::Open(const Dictionary& dictionary, const QString& personalListPath,
                                                 QString* error) {
  // Hunspell reads what it can and says nothing of a file it cannot open: look first.
  for (const QString& path : {dictionary.affPath, dictionary.dicPath}) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
      if (error) *error = QCoreApplication::translate("spelling", "Cannot read the dictionary %1: %2").arg(path, f.errorString());
      return nullptr;
    }
  }
  std::unique_ptr<SpellChecker> checker(new SpellChecker(dictionary, personalListPath));
  checker->hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(dictionary.affPath).constData(),
                                                  QFile::encodeName(dictionary.dicPath).constData());
  QFile list(personalListPath);
  if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
    for (const QString& line : QString::fromUtf8(list.readAll()).split('\n')) {
      const QString word = line.trimmed();
      if (word.isEmpty() || checker->personal_.contains(word)) continue;
      checker->personal_ << word;
      std::string encoded;
      if (checker->Encode(word, encoded)) checker->hunspell_->add(encoded);
    }
  }
  return checker;
}

namespace {

// The dictionary's encoding, as Qt names it; an encoding Qt does not know is read as Latin-1.
QStringConverter::Encoding EncodingOf(const std::string& name) {
  return QStringConverter::encodingForName(name.c_str()).value_or(QStringConverter::Latin1);
}

}  // namespace

bool SpellChecker::Encode(const QString& word, std::string& out) const {
  const QStringConverter::Encoding encoding = EncodingOf(hunspell_->get_dict_encoding());
  QStringEncoder encoder(encoding);
  const QByteArray bytes = encoder.encode(word);
  // An encoding that cannot hold a letter writes '?' for it: such a word is not the dictionary's.
  if (encoder.hasError() || QStringDecoder(encoding).decode(bytes) != word) return false;
  out = bytes.toStdString();
  return true;
}

bool SpellChecker::IsCorrect(const QString& word) const {
  if (personal_.contains(word)) return true;
  std::string encoded;
  return Encode(word, encoded) && hunspell_->spell(encoded);
}

QStringList SpellChecker::Suggestions(const QString& word) const {
  std::string encoded;
  QStringList suggestions;
  if (!Encode(word, encoded)) return suggestions;
  QStringDecoder decoder(EncodingOf(hunspell_->get_dict_encoding()));
  for (const std::string& s : hunspell_->suggest(encoded))
    suggestions << decoder.decode(QByteArrayView(s));
  return suggestions;
}

bool SpellChecker::AddToPersonalList(const QString& word, QString* error) {
  if (word.isEmpty() || personal_.contains(word) ||
      std::any_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); }))
    return false;
  QDir().mkpath(QFileInfo(personalListPath_).absolutePath());
  QFile previous(personalListPath_);
  QByteArray content;
  if (previous.exists()) {
    if (!previous.open(QIODevice::ReadOnly)) {
      if (error) *error = QCoreApplication::translate("spelling", "Cannot read %1: %2").arg(personalListPath_, previous.errorString());
      return false;
    }
    content = previous.readAll();
    if (!content.isEmpty() && !content.endsWith('\n')) content += '\n';
  }
  // Written whole and swapped in, so that a failed write never loses the words already there.
  QSaveFile file(personalListPath_);
  if (!file.open(QIODevice::WriteOnly) || file.write(content + word.toUtf8() + '\n') < 0 || !file.commit()) {
    if (error) *error = QCoreApplication::translate("spelling", "Cannot write %1: %2").arg(personalListPath_, file.errorString());
    return false;
  }
  personal_ << word;
  std::string encoded;
  if (Encode(word, encoded)) hunspell_->add(encoded);
  return true;
}

}  // namespace spelling

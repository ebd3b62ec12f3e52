#pragma once
#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "DiagramSpelling.h"
#include "TwinKedrinFile.h"

// Tools ▸ Check Spelling on one document: from the first text of the diagram (reading order) to
// the last, one misspelled word at a time, each one's figure selected and scrolled into view. A
// change is an undo step of the text it changes; Change All is one step for every text changed.
class SpellCheckRun {
  Q_DECLARE_TR_FUNCTIONS(SpellCheckRun)
 public:
  explicit SpellCheckRun(TwinKedrinFile& document);

  // The word now shown, or none when the walk is at its end.
  const std::optional<spelling::Misspelling>& Current() const { return current_; }
  // The text holding the current word (empty at the end).
  QString Context() const;
  QStringList Suggestions() const;

  // Each goes on to the next misspelled word.
  void Change(const QString& with);
  // Every appearance of the word as a whole word, with its case, in every text.
  void ChangeAll(const QString& with);
  // The word is right for the rest of this run of the editor.
  void Ignore();
  // Kept in the personal list; false with `error` naming the file, and the walk stays.
  bool AddToDictionary(QString* error = nullptr);
  // Leaves this one as it is.
  void Next();

 private:
  // The first misspelled word at or after the position in the figure's text (or, when it has no
  // text now, the text at that index), from the diagram as it is now.
  void FindFrom(uint64_t figure, size_t text, qsizetype position);
  void Show();
  std::vector<find::DiagramText> Texts() const;
  bool Write(uint64_t figure, const QString& text);

  QPointer<TwinKedrinFile> document_;
  std::optional<spelling::Misspelling> current_;
  size_t text_ = 0;  // the current word's text in reading order
  QString context_;
};

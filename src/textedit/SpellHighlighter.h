#pragma once
#include <QSyntaxHighlighter>
#include <QTextCursor>

class QMenu;
class QTextEdit;

// Misspelled words of a text field underlined in red as they are typed, and the spelling part of
// the field's context menu. Follows the editor's shared spelling (language, words added or
// ignored, checking as one types turned off).
class SpellHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit SpellHighlighter(QTextEdit* edit);

  // The misspelled word at the cursor's position, selected in a copy of the cursor; a null
  // cursor when there is none.
  QTextCursor MisspelledWordAt(const QTextCursor& at) const;
  // Up to 5 suggestions (choosing one replaces the word), "Add to Dictionary" and "Ignore" for
  // the misspelled word at the position, put before the menu's first item. Nothing for a word
  // spelled right.
  void AddSpellingActions(QMenu* menu, const QTextCursor& at);

  static constexpr int kMaxSuggestions = 5;

 protected:
  void highlightBlock(const QString& text) override;

 private:
  QTextEdit* edit_;
};

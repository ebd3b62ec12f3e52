#pragma once
#include <QRegularExpression>
#include <QString>
#include <optional>
#include <vector>

// Reasons that layers without the user's language make in English (kdltool prints them so, and
// some come from another process), shown in the user's language: each is matched against the
// English patterns it is made from, the pattern translated and its words put back in.
namespace messages {

// What the words a pattern's %1, %2... take are.
enum class Words {
  Counted,     // counts ("1,200 shapes": the count's noun translated too) and numbers, in the
               // user's way of writing numbers; anything else as written
  AsWritten,   // the user's own texts and names: as written
  InnerLast,   // as written, but the last is a reason of the same table in its turn
};

class EnglishPatterns {
 public:
  struct Pattern {
    const char* english;  // with %1, %2, %3 for the words; each takes the shortest text that lets the rest match
    Words words = Words::Counted;
  };

  // Patterns are tried in order: where one is the start of another, put the longer first. `nouns`
  // are the counted words ("%1 shape", "%1 shapes"), all in `context`.
  EnglishPatterns(const char* context, const std::vector<Pattern>& patterns, const std::vector<const char*>& nouns = {});

  // The reason in the user's language; none when no pattern matches the whole of it.
  std::optional<QString> Translate(const QString& english) const;

 private:
  struct Compiled {
    const char* english;
    Words words;
    QRegularExpression match;
  };
  QString Word(const QString& english) const;

  const char* context_;
  std::vector<Compiled> patterns_, nouns_;
};

}  // namespace messages

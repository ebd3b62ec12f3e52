#include "EnglishPatterns.h"

#include <QCoreApplication>
#include <QLocale>

namespace messages {

namespace {

QRegularExpression MatcherOf(const char* english) {
  static const QRegularExpression place(QStringLiteral("%[1-9]"));
  const QString text = QString::fromLatin1(english);
  QString expression = QStringLiteral("\\A");
  qsizetype from = 0;
  for (auto it = place.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    expression += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) + QStringLiteral("(.+?)");
    from = m.capturedEnd();
  }
  expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("\\z");
  return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

// A count as the reasons write it ("1,200"), in the user's way; in English as it is.
QString Number(const QString& english) {
  static const QRegularExpression grouped(QStringLiteral("\\A-?\\d{1,3}(,\\d{3})*\\z"));
  if (!grouped.match(english).hasMatch()) return english;
  const QLocale locale;
  if (locale.language() == QLocale::C || locale.language() == QLocale::English) return english;
  bool ok = false;
  const qlonglong n = QString(english).remove(QLatin1Char(',')).toLongLong(&ok);
  return ok ? locale.toString(n) : english;
}

}  // namespace

EnglishPatterns::EnglishPatterns(const char* context, const std::vector<Pattern>& patterns, const std::vector<const char*>& nouns)
    : context_(context) {
  for (const Pattern& p : patterns) patterns_.push_back({p.english, p.words, MatcherOf(p.english)});
  for (const char* n : nouns) nouns_.push_back({n, Words::Counted, MatcherOf(n)});
}

QString EnglishPatterns::Word(const QString& english) const {
  for (const Compiled& n : nouns_)
    if (const QRegularExpressionMatch m = n.match.match(english); m.hasMatch())
      return QCoreApplication::translate(context_, n.english).arg(Number(m.captured(1)));
  return Number(english);
}

std::optional<QString> EnglishPatterns::Translate(const QString& english) const {
  for (const Compiled& p : patterns_) {
    const QRegularExpressionMatch m = p.match.match(english);
    if (!m.hasMatch()) continue;
    QStringList w;
    const int last = m.lastCapturedIndex();
    for (int k = 1; k <= last; ++k) {
      const QString word = m.captured(k);
      if (p.words == Words::Counted) w << Word(word);
      else if (p.words == Words::InnerLast && k == last) w << Translate(word).value_or(word);
      else w << word;
    }
    const QString pattern = QCoreApplication::translate(context_, p.english);
    // In one pass, so that a "%2" in a path or a user's text is not replaced in its turn.
    switch (w.size()) {
      case 0: return pattern;
      case 1: return pattern.arg(w[0]);
      case 2: return pattern.arg(w[0], w[1]);
      default: return pattern.arg(w[0], w[1], w[2]);
    }
  }
  return std::nullopt;
}

}  // namespace messages

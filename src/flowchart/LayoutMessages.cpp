#include "LayoutMessages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <vector>

namespace flowchart {

namespace {

constexpr const char* kContext = "LayoutMessages";

// The reasons, in the order they are tried: where one pattern is another's start, the longer
// comes first.
const char* const kReasons[] = {
    QT_TRANSLATE_NOOP("LayoutMessages", "the diagram has no shapes to lay out"),
    QT_TRANSLATE_NOOP("LayoutMessages", "Graphviz could not start"),
    QT_TRANSLATE_NOOP("LayoutMessages", "Graphviz could not lay the graph out with '%1'"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout program could not read its request: %1"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the chart is too large for automatic layout: %1, above the limit of %2 (setting %3)"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the chart is too large for automatic layout: %1, above the limit of %2"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout was cancelled"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout program %1 was found neither beside this program nor at %2"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout program %1 cannot be run: %2"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout program %1 cannot be run"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the chart took longer than the %1 the layout may take"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the layout program crashed (%1) on a chart of %2 and %3"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the layout program crashed on a chart of %1 and %2"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the chart is too large for the %1 MB of memory the layout may use"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the chart is too deep for the %1 MB of stack the layout may use"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the layout program ended with status %1 on a chart of %2 and %3"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the layout program's answer cannot be read: %1"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the layout stopped: the layout program's answer does not match the chart"),
};

// Reasons whose words are the user's (names and labels of steps): they stay as written.
const char* const kLinkReasons[] = {
    QT_TRANSLATE_NOOP("LayoutMessages", "the link from %1 to %2 (\"%3\") is drawn, but its figures read back otherwise"),
    QT_TRANSLATE_NOOP("LayoutMessages", "the link from %1 to %2 is drawn, but its figures read back otherwise"),
};

// What the reasons count, inside them: "1,200 shapes".
const char* const kCounts[] = {
    QT_TRANSLATE_NOOP("LayoutMessages", "%1 shape"),     QT_TRANSLATE_NOOP("LayoutMessages", "%1 shapes"),
    QT_TRANSLATE_NOOP("LayoutMessages", "%1 connector"), QT_TRANSLATE_NOOP("LayoutMessages", "%1 connectors"),
    QT_TRANSLATE_NOOP("LayoutMessages", "%1 second"),    QT_TRANSLATE_NOOP("LayoutMessages", "%1 seconds"),
};

struct Pattern {
  const char* english;
  QRegularExpression match;
  bool usersWords = false;
};

// Each %N takes the shortest text that lets the rest match; the whole reason must match.
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

template <size_t N>
void Add(std::vector<Pattern>& out, const char* const (&english)[N], bool usersWords) {
  for (const char* e : english) out.push_back({e, MatcherOf(e), usersWords});
}

const std::vector<Pattern>& Reasons() {
  static const std::vector<Pattern> patterns = [] {
    std::vector<Pattern> out;
    Add(out, kReasons, false);
    Add(out, kLinkReasons, true);
    return out;
  }();
  return patterns;
}

const std::vector<Pattern>& Counts() {
  static const std::vector<Pattern> patterns = [] {
    std::vector<Pattern> out;
    Add(out, kCounts, false);
    return out;
  }();
  return patterns;
}

// A count as the reasons write it ("1,200"), in the user's way; English stays as it is.
QString Number(const QString& english) {
  static const QRegularExpression grouped(QStringLiteral("\\A-?\\d{1,3}(,\\d{3})*\\z"));
  if (!grouped.match(english).hasMatch()) return english;
  const QLocale locale;
  if (locale.language() == QLocale::C || locale.language() == QLocale::English) return english;
  bool ok = false;
  const qlonglong n = QString(english).remove(QLatin1Char(',')).toLongLong(&ok);
  return ok ? locale.toString(n) : english;
}

// A word inside a reason: a count with its noun, a number, or a name (a path, a setting, the
// user's text), which stays as it is.
QString Word(const QString& english) {
  for (const Pattern& p : Counts())
    if (const QRegularExpressionMatch m = p.match.match(english); m.hasMatch())
      return QCoreApplication::translate(kContext, p.english).arg(Number(m.captured(1)));
  return Number(english);
}

}  // namespace

std::optional<QString> KnownLayoutMessage(const std::string& english) {
  const QString text = QString::fromStdString(english);
  for (const Pattern& p : Reasons()) {
    const QRegularExpressionMatch m = p.match.match(text);
    if (!m.hasMatch()) continue;
    QStringList w;
    for (int k = 1; k <= m.lastCapturedIndex(); ++k) w << (p.usersWords ? m.captured(k) : Word(m.captured(k)));
    const QString pattern = QCoreApplication::translate(kContext, p.english);
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

QString LayoutMessageText(const std::string& english) {
  return KnownLayoutMessage(english).value_or(QString::fromStdString(english));
}

}  // namespace flowchart

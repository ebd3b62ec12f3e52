#include "LayoutMessages.h"

#include <QCoreApplication>
#include <iterator>
#include <vector>

#include "EnglishPatterns.h"

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

const messages::EnglishPatterns& Patterns() {
  static const messages::EnglishPatterns patterns = [] {
    std::vector<messages::EnglishPatterns::Pattern> all;
    for (const char* e : kReasons) all.push_back({e, messages::Words::Counted});
    for (const char* e : kLinkReasons) all.push_back({e, messages::Words::AsWritten});
    return messages::EnglishPatterns(kContext, all, {std::begin(kCounts), std::end(kCounts)});
  }();
  return patterns;
}

}  // namespace

std::optional<QString> KnownLayoutMessage(const std::string& english) {
  return Patterns().Translate(QString::fromStdString(english));
}

QString LayoutMessageText(const std::string& english) {
  return KnownLayoutMessage(english).value_or(QString::fromStdString(english));
}

}  // namespace flowchart

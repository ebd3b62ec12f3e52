#include "SpellHighlighter.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextEdit>

#include "SpellService.h"

using spelling::SpellService;

SpellHighlighter::SpellHighlighter(QTextEdit* edit) : QSyntaxHighlighter(edit->document()), edit_(edit) {
  connect(&SpellService::Instance(), &SpellService::Changed, this, &QSyntaxHighlighter::rehighlight);
}

void SpellHighlighter::highlightBlock(const QString& text) {
  SpellService& service = SpellService::Instance();
  if (!service.AsYouType()) return;
  QTextCharFormat wrong;
  wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  wrong.setUnderlineColor(Qt::red);
  for (const spelling::WordRange& w : service.Misspelled(text))
    setFormat(static_cast<int>(w.start), static_cast<int>(w.length), wrong);
}

QTextCursor SpellHighlighter::MisspelledWordAt(const QTextCursor& at) const {
  SpellService& service = SpellService::Instance();
  if (at.isNull() || !service.AsYouType()) return {};
  const QTextBlock block = at.block();
  const qsizetype offset = at.position() - block.position();
  for (const spelling::WordRange& w : service.Misspelled(block.text())) {
    if (offset < w.start || offset > w.start + w.length) continue;
    QTextCursor word(at);
    word.setPosition(block.position() + static_cast<int>(w.start));
    word.setPosition(block.position() + static_cast<int>(w.start + w.length), QTextCursor::KeepAnchor);
    return word;
  }
  return {};
}

void SpellHighlighter::AddSpellingActions(QMenu* menu, const QTextCursor& at) {
  const QTextCursor word = MisspelledWordAt(at);
  if (word.isNull()) return;
  const QString text = word.selectedText();
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
  QList<QAction*> added;
  const QStringList suggestions = SpellService::Instance().Suggestions(text).mid(0, kMaxSuggestions);
  for (const QString& s : suggestions) {
    // The suggestion is the text itself: no mnemonic may be read into it.
    auto* a = new QAction(QString(s).replace('&', QStringLiteral("&&")), menu);
    connect(a, &QAction::triggered, edit_, [word, s] {
      QTextCursor c(word);
      c.insertText(s);
    });
    added << a;
  }
  if (suggestions.isEmpty()) {
    auto* none = new QAction(tr("(No Suggestions)"), menu);
    none->setEnabled(false);
    added << none;
  }
  auto* separator = new QAction(menu);
  separator->setSeparator(true);
  auto* add = new QAction(tr("Add to Dictionary"), menu);
  add->setObjectName(QStringLiteral("AddToDictionary"));
  connect(add, &QAction::triggered, edit_, [edit = edit_, text] {
    QString error;
    if (!SpellService::Instance().Add(text, &error) && !error.isEmpty())
      QMessageBox::warning(edit, tr("Add to Dictionary"), error);
  });
  auto* ignore = new QAction(tr("Ignore"), menu);
  ignore->setObjectName(QStringLiteral("IgnoreWord"));
  connect(ignore, &QAction::triggered, edit_, [text] { SpellService::Instance().Ignore(text); });
  added << separator << add << ignore;
  if (first) {
    auto* after = new QAction(menu);
    after->setSeparator(true);
    added << after;
  }
  menu->insertActions(first, added);
}

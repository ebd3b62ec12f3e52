#include "SpellCheckRun.h"

#include <QRegularExpression>
#include <QUndoStack>

#include "Diagram.h"
#include "DiagramItems.h"
#include "DiagramTexts.h"
#include "SpellService.h"
#include "TextEditSession.h"

using spelling::SpellService;

namespace {

// The text with every appearance of the word, as a whole word with its case, replaced.
QString ReplaceWord(const QString& text, const QString& word, const QString& with) {
  static const QString pattern = QStringLiteral("\\b%1\\b");
  const QRegularExpression re(pattern.arg(QRegularExpression::escape(word)), QRegularExpression::UseUnicodePropertiesOption);
  QString out;
  qsizetype from = 0;
  for (auto it = re.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += QStringView(text).mid(from, m.capturedStart() - from);
    out += with;
    from = m.capturedEnd();
  }
  return out + text.mid(from);
}

}  // namespace

SpellCheckRun::SpellCheckRun(TwinKedrinFile& document) : document_(&document) { FindFrom(0, 0, 0); }

std::vector<find::DiagramText> SpellCheckRun::Texts() const {
  if (!document_) return {};
  const std::vector<semantics::Item> items = DiagramItems(document_->FigureSet()).All();
  return find::DiagramTexts(items);
}

void SpellCheckRun::FindFrom(uint64_t figure, size_t text, qsizetype position) {
  current_.reset();
  context_.clear();
  const std::vector<find::DiagramText> texts = Texts();
  // A text that was changed may have moved in the reading order; one that is gone leaves its place.
  if (const qsizetype index = find::TextIndexOf(texts, figure); index >= 0) text = static_cast<size_t>(index);
  for (size_t i = text; i < texts.size(); ++i) {
    for (const spelling::WordRange& w : SpellService::Instance().Misspelled(texts[i].text)) {
      if (i == text && w.start < position) continue;
      current_ = spelling::Misspelling{texts[i].figure, w, texts[i].text.mid(w.start, w.length)};
      text_ = i;
      context_ = texts[i].text;
      Show();
      return;
    }
  }
}

void SpellCheckRun::Show() {
  if (!document_ || !current_) return;
  if (TCustomKDTool* figure = document_->FigureSet().Find(current_->figure)) {
    document_->PresentSelection({figure});
    document_->RevealFigures({figure});
  }
}

QString SpellCheckRun::Context() const { return context_; }

QStringList SpellCheckRun::Suggestions() const {
  return current_ ? SpellService::Instance().Suggestions(current_->word) : QStringList();
}

bool SpellCheckRun::Write(uint64_t figure, const QString& text) {
  TCustomKDTool* label = document_ ? document_->FigureSet().Find(figure) : nullptr;
  return label && document_->TextEditing().SetText(label, text.toStdString());
}

void SpellCheckRun::Change(const QString& with) {
  if (!current_) return;
  const spelling::Misspelling was = *current_;
  const std::vector<find::DiagramText> texts = Texts();
  const qsizetype index = find::TextIndexOf(texts, was.figure);
  // A text typed anew since its word was shown is never written over: the walk looks again there.
  if (index < 0 || texts[static_cast<size_t>(index)].text.mid(was.range.start, was.range.length) != was.word) {
    FindFrom(was.figure, text_, was.range.start);
    return;
  }
  QString text = texts[static_cast<size_t>(index)].text;
  text.replace(was.range.start, was.range.length, with);
  Write(was.figure, text);
  // Whatever the change brought in is not looked at again.
  FindFrom(was.figure, text_, was.range.start + with.size());
}

void SpellCheckRun::ChangeAll(const QString& with) {
  if (!current_ || !document_) return;
  const spelling::Misspelling was = *current_;
  QUndoStack* stack = document_->UndoStack();
  stack->beginMacro(tr("Change All"));
  for (const find::DiagramText& t : Texts()) {
    const QString text = ReplaceWord(t.text, was.word, with);
    if (text != t.text) Write(t.figure, text);
  }
  stack->endMacro();
  FindFrom(was.figure, text_, was.range.start + with.size());
}

void SpellCheckRun::Ignore() {
  if (!current_) return;
  const spelling::Misspelling was = *current_;
  SpellService::Instance().Ignore(was.word);
  FindFrom(was.figure, text_, was.range.start + was.range.length);
}

bool SpellCheckRun::AddToDictionary(QString* error) {
  if (!current_) return false;
  const spelling::Misspelling was = *current_;
  if (!SpellService::Instance().Add(was.word, error)) return false;
  FindFrom(was.figure, text_, was.range.start + was.range.length);
  return true;
}

void SpellCheckRun::Next() {
  if (!current_) return;
  FindFrom(current_->figure, text_, current_->range.start + current_->range.length);
}

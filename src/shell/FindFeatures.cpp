#include "FindFeatures.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QUndoStack>

#include "CustomKDTool.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "FindDialog.h"
#include "Finder.h"
#include "TextEditSession.h"
#include "TextPlace.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

namespace {

// The searches of one main window: the box, the last hit reached and what is said of it.
class FindCommands : public QObject {
  Q_DECLARE_TR_FUNCTIONS(FindCommands)

 public:
  explicit FindCommands(TwinMain& main) : QObject(&main), main_(main) {}

  // F3 and Shift+F3 work from the box too.
  void SetStepActions(QAction* next, QAction* previous) { steps_ = {next, previous}; }

  void Open(bool replacing) {
    if (!dialog_) {
      dialog_ = new FindDialog(&main_);
      dialog_->addActions(steps_);
      connect(dialog_, &FindDialog::FindNext, this, [this] { Step(false); });
      connect(dialog_, &FindDialog::FindPrevious, this, [this] { Step(true); });
      connect(dialog_, &FindDialog::Replace, this, [this] { Replace(); });
      connect(dialog_, &FindDialog::ReplaceAll, this, [this] { ReplaceAll(); });
    }
    dialog_->Open(replacing);
  }

  // F3 and Shift+F3: the next or previous hit of what the box holds; with nothing to find yet,
  // the box opens for it.
  void Step(bool backward) {
    if (!dialog_ || dialog_->Pattern().isEmpty()) {
      Open(dialog_ && dialog_->Replacing());
      return;
    }
    TwinKedrinFile* doc = main_.CurrentDocument();
    if (!doc) return;
    const std::vector<find::DiagramText> texts = Texts(*doc);
    const find::TextMatcher matcher(dialog_->Pattern(), dialog_->Options());
    const std::vector<find::Hit> hits = find::FindAll(texts, matcher);
    const auto step = backward ? find::PreviousHit(hits, From(*doc, texts, backward))
                               : find::NextHit(hits, From(*doc, texts, backward));
    if (!step) {
      NoMatches();
      return;
    }
    Show(*doc, texts, hits[step->hit]);
    Say(step->wrapped ? (backward ? tr("Passed the start of the diagram; continued from the end")
                                  : tr("Passed the end of the diagram; continued from the start"))
                      : QString());
  }

  // The hit reached is replaced, and the next one reached; with none reached yet (or the text
  // changed under it), the next one is only found.
  void Replace() {
    TwinKedrinFile* doc = main_.CurrentDocument();
    if (!doc || !dialog_ || dialog_->Pattern().isEmpty() || doc->DragInProgress()) return;
    CommitTyping(*doc);
    const std::vector<find::DiagramText> texts = Texts(*doc);
    const find::TextMatcher matcher(dialog_->Pattern(), dialog_->Options());
    std::optional<find::Replacement> replaced;
    if (current_ && current_->document == doc && Holds(*doc, *current_)) {
      const qsizetype index = find::TextIndexOf(texts, current_->label);
      if (index >= 0)
        replaced = find::ReplaceHit(texts, {size_t(index), current_->start, current_->length}, matcher,
                                    dialog_->Replacement());
    }
    if (replaced) {
      QUndoStack& stack = *doc->UndoStack();
      stack.beginMacro(tr("Replace"));
      Write(*doc, *replaced);
      stack.endMacro();
      // The search goes on after what was put in.
      current_->start += dialog_->Replacement().size() - 1;
      current_->length = 1;
    }
    Step(false);
  }

  void ReplaceAll() {
    TwinKedrinFile* doc = main_.CurrentDocument();
    if (!doc || !dialog_ || dialog_->Pattern().isEmpty() || doc->DragInProgress()) return;
    CommitTyping(*doc);
    const std::vector<find::DiagramText> texts = Texts(*doc);
    const find::ReplaceAllResult result =
        find::ReplaceAll(texts, find::TextMatcher(dialog_->Pattern(), dialog_->Options()), dialog_->Replacement());
    if (result.count == 0) {
      NoMatches();
      return;
    }
    if (!result.texts.empty()) {
      QUndoStack& stack = *doc->UndoStack();
      stack.beginMacro(tr("Replace All (%1)").arg(result.count));
      for (const find::Replacement& r : result.texts) Write(*doc, r);
      stack.endMacro();
    }
    current_.reset();
    Say(result.count == 1 ? tr("Replaced 1 match") : tr("Replaced %1 matches").arg(result.count));
  }

 private:
  struct Reached {
    QPointer<TwinKedrinFile> document;
    uint64_t label = 0;
    qsizetype start = 0, length = 0;
    uint64_t holder = 0;  // the figure selected for it
  };

  static std::vector<find::DiagramText> Texts(TwinKedrinFile& doc) {
    DiagramItems items(doc.FigureSet());
    const std::vector<semantics::Item> all = items.All();
    return find::DiagramTexts(all);
  }

  static void CommitTyping(TwinKedrinFile& doc) {
    if (doc.TextEditing().IsOpen()) doc.TextEditing().Commit();
  }

  // The figure a text is shown as selected by: a shape for its text, any other label itself.
  static TCustomKDTool* HolderOf(TwinKedrinFile& doc, TCustomKDTool* label) {
    DiagramItems items(doc.FigureSet());
    const semantics::ItemQuery query = items.Query();
    const semantics::TextPlace place = semantics::TextPlaceOf(items.Of(label), query);
    if (place.kind == semantics::TextPlace::Kind::Shape && place.shape)
      if (TCustomKDTool* shape = items.FigureOf(*place.shape)) return shape;
    return label;
  }

  // Whether the hit reached is still what is selected: otherwise the user went elsewhere.
  static bool Holds(TwinKedrinFile& doc, const Reached& r) {
    const std::vector<TCustomKDTool*> selected = doc.FigureSet().Selected();
    return selected.size() == 1 && doc.FigureSet().IdOf(selected.front()) == r.holder;
  }

  // Where a step starts: the hit reached, else the text of the figure selected, else the start
  // (going back: the end) of the diagram.
  find::Place From(TwinKedrinFile& doc, const std::vector<find::DiagramText>& texts, bool backward) const {
    if (current_ && current_->document == &doc && Holds(doc, *current_)) {
      const qsizetype index = find::TextIndexOf(texts, current_->label);
      if (index >= 0) return {size_t(index), current_->start};
    }
    const std::vector<TCustomKDTool*> selected = doc.FigureSet().Selected();
    if (selected.size() == 1) {
      Diagram& figures = doc.FigureSet();
      for (size_t i = 0; i < texts.size(); ++i) {
        TCustomKDTool* label = figures.Find(texts[i].figure);
        if (label && HolderOf(doc, label) == selected.front())
          return backward ? find::Place{i, 0} : find::BeforeText(i);
      }
    }
    return backward ? find::Place{texts.size(), 0} : find::BeforeText(0);
  }

  void Show(TwinKedrinFile& doc, const std::vector<find::DiagramText>& texts, const find::Hit& hit) {
    Diagram& figures = doc.FigureSet();
    TCustomKDTool* label = figures.Find(texts[hit.text].figure);
    if (!label) return;
    TCustomKDTool* holder = HolderOf(doc, label);
    figures.Select({holder});
    doc.RevealFigures({holder, label});
    current_ = Reached{&doc, texts[hit.text].figure, hit.start, hit.length, figures.IdOf(holder)};
  }

  static void Write(TwinKedrinFile& doc, const find::Replacement& r) {
    if (TCustomKDTool* label = doc.FigureSet().Find(r.figure))
      doc.TextEditing().SetText(label, r.text.toStdString());
  }

  void NoMatches() {
    current_.reset();
    Say(tr("No matches for \"%1\"").arg(dialog_->Pattern()));
  }

  void Say(const QString& message) {
    if (dialog_) dialog_->ShowMessage(message);
    if (message.isEmpty()) main_.StatusBar1->clearMessage();
    else main_.StatusBar1->showMessage(message, 8000);
  }

  TwinMain& main_;
  QPointer<FindDialog> dialog_;
  QList<QAction*> steps_;
  std::optional<Reached> current_;
};

QAction* Command(TwinMain& main, const char* name, const QString& caption, const char* themeIcon, QKeySequence key) {
  auto* a = new QAction(QIcon::fromTheme(QLatin1String(themeIcon)), caption, &main);
  a->setObjectName(QLatin1String(name));
  a->setShortcut(key);
  main.Edit1->addAction(a);
  return a;
}

}  // namespace

void InstallFindFeatures(TwinMain& main) {
  auto* commands = new FindCommands(main);
  main.Edit1->addSeparator();
  QAction* find = Command(main, "Find1", QCoreApplication::translate("FindCommands", "&Find..."), "edit-find",
                          QKeySequence(Qt::CTRL | Qt::Key_F));
  QAction* replace = Command(main, "Replace1", QCoreApplication::translate("FindCommands", "R&eplace..."),
                             "edit-find-replace", QKeySequence(Qt::CTRL | Qt::Key_H));
  QAction* next = Command(main, "FindNext1", QCoreApplication::translate("FindCommands", "Find &Next"), "go-down",
                          QKeySequence(Qt::Key_F3));
  QAction* previous = Command(main, "FindPrevious1", QCoreApplication::translate("FindCommands", "Find Pre&vious"),
                              "go-up", QKeySequence(Qt::SHIFT | Qt::Key_F3));
  commands->SetStepActions(next, previous);
  QObject::connect(find, &QAction::triggered, commands, [commands] { commands->Open(false); });
  QObject::connect(replace, &QAction::triggered, commands, [commands] { commands->Open(true); });
  QObject::connect(next, &QAction::triggered, commands, [commands] { commands->Step(false); });
  QObject::connect(previous, &QAction::triggered, commands, [commands] { commands->Step(true); });
}

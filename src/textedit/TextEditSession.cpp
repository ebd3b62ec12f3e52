#include "TextEditSession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QTextCursor>
#include <algorithm>

#include "ContainerTitle.h"
#include "ControlCanvas.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "FigureSetCommand.h"
#include "Focus.h"
#include "ConnectorLabel.h"
#include "InPlaceEditor.h"
#include "LabelPlacement.h"
#include "Limits.h"
#include "KDTools.h"
#include "TKDLabel.h"
#include "TextArea.h"
#include "TextChangeCommand.h"
#include "TextLayout.h"
#include "ZoomMapping.h"

using semantics::TextPlace;

namespace {

// The box of a shape the text is laid in: a start or end mark grows about its centre until the
// text fits inside its circle; every other shape keeps its box.
QRect BoxForText(semantics::ItemKind kind, const QRect& box, const QString& text, const TFontDesc& font) {
  if (text.isEmpty()) return box;
  return semantics::MarkBoxForText(
      kind, box,
      [&](const QRect& inner) {
        const textlayout::TextSize size = textlayout::Measure(text, font, inner.width());
        return size.width <= inner.width() && size.height <= inner.height();
      },
      limits::kMaxExtent);
}

}  // namespace

TextEditSession::TextEditSession(TControlCanvas& canvas, Diagram& diagram, DocumentHistory& history,
                                 std::function<void(TCustomKDTool*)> prepare)
    : canvas_(canvas), diagram_(diagram), history_(history), prepare_(std::move(prepare)) {
  // A new zoom lays the editor over the text again.
  canvas_.installEventFilter(this);
}

TextEditSession::~TextEditSession() {
  canvas_.removeEventFilter(this);
  // Whatever was typed goes with the document: nothing is recorded while it closes.
  if (editor_) {
    editor_->disconnect(this);
    delete editor_.data();
  }
}

TFontDesc TextEditSession::FontFor(DiagramItems& items, const TextPlace& place, TCustomKDTool* figure) {
  TCustomKDTool* label = place.label ? items.FigureOf(*place.label) : nullptr;
  TCustomKDTool* owner = place.shape ? items.FigureOf(*place.shape) : figure;
  if (place.connector && !place.shape) owner = items.FigureOf(semantics::MiddleSegment(*place.connector));
  return label ? label->Font() : (owner ? owner->Font() : figure->Font());
}

bool TextEditSession::SetText(TCustomKDTool* figure, const std::string& caption) {
  if (IsOpen()) Commit();
  if (!figure || figure->Releasing() || figure->Layer() != &diagram_) return false;
  DiagramItems items(diagram_);
  const semantics::ItemQuery query = items.Query();
  const TextPlace place = semantics::TextPlaceOf(items.Of(figure), query);
  if (place.kind == TextPlace::Kind::None) return false;
  font_ = FontFor(items, place, figure);
  figure_ = diagram_.IdOf(figure);
  const std::optional<textedit::TitlePlace> title = textedit::TitlePlaceOf(items.Of(figure), query);
  titleFrame_ = title ? title->frame->id : 0;
  const bool written = Write(caption);
  figure_ = 0;
  titleFrame_ = 0;
  return written;
}

bool TextEditSession::IsOpen() const { return !editor_.isNull(); }

TInPlaceEditor* TextEditSession::Editor() const { return editor_.data(); }

bool TextEditSession::Open(TCustomKDTool* figure, const QString& typed) { return OpenAt(figure, typed, false); }

bool TextEditSession::OpenTitle(TCustomKDTool* frame) {
  return qobject_cast<TKDRectangle*>(frame) && OpenAt(frame, {}, true);
}

bool TextEditSession::OpenAt(TCustomKDTool* figure, const QString& typed, bool title) {
  if (IsOpen()) Commit();
  if (!figure || figure->Releasing() || figure->Layer() != &diagram_) return false;
  DiagramItems items(diagram_);
  const semantics::ItemQuery query = items.Query();
  const TextPlace place = semantics::TextPlaceOf(items.Of(figure), query);
  if (place.kind == TextPlace::Kind::None) return false;
  std::optional<textedit::TitlePlace> titled =
      title ? textedit::TitlePlaceOfFrame(items.Of(figure), query) : textedit::TitlePlaceOf(items.Of(figure), query);
  TCustomKDTool* label = titled ? (titled->title ? items.FigureOf(*titled->title) : nullptr)
                                : (place.label ? items.FigureOf(*place.label) : nullptr);
  font_ = label ? label->Font() : FontFor(items, place, figure);
  titleFrame_ = titled ? titled->frame->id : 0;
  if (titled) {
    const QRect frame = titled->frame->box;
    const int line = std::max(textlayout::Measure(QStringLiteral("X"), font_, textedit::TitleRoom(frame)).lineHeight, 1);
    area_ = textedit::TitleEditArea(frame, label ? label->BoundsRect().height() : line);
    if (label) area_.moveTop(label->BoundsRect().top());
  } else switch (place.kind) {
    case TextPlace::Kind::Shape:
      shapeKind_ = place.shape->kind;
      shapeBox_ = place.shape->box;
      area_ = semantics::InnerTextBox(shapeKind_, shapeBox_);
      break;
    case TextPlace::Kind::Connector:
      if (!label) {
        const int line = std::max(textlayout::Measure(QStringLiteral("X"), font_, kConnectorLabelWidth).lineHeight, 1);
        area_ = semantics::ConnectorLabelBox(*place.connector, QSize(kConnectorLabelWidth, line));
        break;
      }
      [[fallthrough]];
    case TextPlace::Kind::Label:
    case TextPlace::Kind::None:
      area_ = label->BoundsRect();
      break;
  }
  kind_ = titled ? TextPlace::Kind::Label : place.kind;
  growsDown_ = titled || (label && place.kind != TextPlace::Kind::Shape);
  figure_ = diagram_.IdOf(figure);

  editor_ = new TInPlaceEditor(&canvas_);
  // A title reads from the frame's left edge.
  if (titled) editor_->SetAlignment(Qt::AlignLeft);
  editor_->SetCanvasFont(font_, CanvasZoomOf(&canvas_));
  editor_->setPlainText(label ? textlayout::EditorText(label->Caption()) : QString());
  editor_->selectAll();
  if (!typed.isEmpty()) editor_->insertPlainText(typed);
  connect(editor_, &TInPlaceEditor::Committed, this, &TextEditSession::Commit);
  connect(editor_, &TInPlaceEditor::Cancelled, this, &TextEditSession::Cancel);
  connect(editor_, &QTextEdit::textChanged, this, &TextEditSession::Place);
  editor_->show();
  Place();
  editor_->raise();
  focus::SetFocus(editor_.data());
  return true;
}

void TextEditSession::Place() {
  if (!editor_) return;
  // A mark's text wraps in the circle the mark will grow to.
  if (kind_ == TextPlace::Kind::Shape)
    area_ = semantics::InnerTextBox(shapeKind_, BoxForText(shapeKind_, shapeBox_, editor_->Text(), font_));
  const double zoom = CanvasZoomOf(&canvas_);
  const QRect shown = zoommap::ToWidget(area_, zoom);
  const int frame = editor_->frameWidth();
  const int width = std::max(shown.width(), 1) + 2 * frame;
  // The width first: the lines break at it, and their height follows.
  editor_->resize(width, std::max(editor_->height(), 1));
  const int line = QFontMetrics(editor_->font()).height();
  const int height = std::max(editor_->ContentHeight(), line) + 2 * frame;
  // A shape's text (and a label still to be placed) grows about its middle, a label from its top.
  const int top = growsDown_ ? shown.y() - frame : shown.y() + shown.height() / 2 - height / 2;
  editor_->setGeometry(shown.x() - frame, top, width, height);
}

bool TextEditSession::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &canvas_ && event->type() == QEvent::DynamicPropertyChange && editor_) {
    editor_->SetCanvasFont(font_, CanvasZoomOf(&canvas_));
    Place();
  }
  return QObject::eventFilter(watched, event);
}

void TextEditSession::Close() {
  if (!editor_) return;
  TInPlaceEditor* editor = editor_;
  editor_ = nullptr;
  editor->disconnect(this);
  const bool hadFocus = editor->hasFocus();
  editor->hide();
  editor->deleteLater();
  // The keys go back to the canvas, and with them to the selection's frame.
  if (hadFocus) canvas_.setFocus(Qt::OtherFocusReason);
}

void TextEditSession::Cancel() { Close(); }

void TextEditSession::Commit() {
  if (!editor_) return;
  const std::string caption = textlayout::CaptionOf(editor_->Text());
  Close();
  Write(caption);
  titleFrame_ = 0;
}

bool TextEditSession::RemoveLabel(TCustomKDTool* label) {
  if (!label) return false;
  std::vector<Diagram::Placed> placed = diagram_.Snapshot({label});
  diagram_.Remove({diagram_.IdOf(label)});
  history_.Push(new FigureSetCommand(diagram_, FigureSetCommand::Direction::Remove, std::move(placed),
                                     QCoreApplication::translate("Undo", "Delete Text")));
  return true;
}

bool TextEditSession::WriteTitle(const std::string& caption) {
  TCustomKDTool* frameFigure = diagram_.Find(titleFrame_);
  if (!frameFigure) return false;
  DiagramItems items(diagram_);
  const semantics::Item& frame = items.Of(frameFigure);
  const semantics::Item* title = textedit::TitlePlaceOfFrame(frame, items.Query()).title;
  TCustomKDTool* label = title ? items.FigureOf(*title) : nullptr;
  // Nothing typed leaves the container untitled: no empty label stays behind in the file.
  if (caption.empty()) return RemoveLabel(label);
  const textlayout::TextSize size = textlayout::Measure(textlayout::EditorText(caption), font_, textedit::TitleRoom(frame.box));
  TextChangeCommand::State after{caption, textedit::TitleLabelBox(frame.box, QSize(size.width, size.height)), bsClear};
  if (label) after.brush = label->FillStyle();
  if (label && TextStateOf(*label) == after) return false;
  WriteLabel(label, after, label ? QCoreApplication::translate("Undo", "Edit Text") : QCoreApplication::translate("Undo", "Type Text"));
  return true;
}

bool TextEditSession::Write(const std::string& caption) {
  if (titleFrame_) return WriteTitle(caption);
  TCustomKDTool* figure = diagram_.Find(figure_);
  if (!figure) return false;
  DiagramItems items(diagram_);
  const semantics::ItemQuery query = items.Query();
  const TextPlace place = semantics::TextPlaceOf(items.Of(figure), query);
  if (place.kind == TextPlace::Kind::None) return false;
  TCustomKDTool* label = place.label ? items.FigureOf(*place.label) : nullptr;
  if (caption.empty()) return RemoveLabel(label);
  const QString text = textlayout::EditorText(caption);
  TextChangeCommand::State after{caption, {}, bsClear};
  QRect shapeBox;
  if (place.kind == TextPlace::Kind::Shape) {
    shapeBox = BoxForText(place.shape->kind, place.shape->box, text, font_);
    const QRect inner = semantics::InnerTextBox(place.shape->kind, shapeBox);
    after.box = semantics::ShapeTextBox(place.shape->kind, shapeBox, textlayout::Measure(text, font_, inner.width()).height);
  } else if (!label) {
    const textlayout::TextSize size = textlayout::Measure(text, font_, kConnectorLabelWidth);
    after.box = semantics::ConnectorLabelBox(*place.connector, QSize(size.width, size.height));
  } else {
    // Typed into as it lies: too narrow for its words, it grows downward.
    const QRect b = label->BoundsRect();
    after.box = QRect(b.x(), b.y(), b.width(), std::max(b.height(), textlayout::Measure(text, font_, b.width()).height));
    after.brush = label->FillStyle();
  }
  const QString name = label ? QCoreApplication::translate("Undo", "Edit Text") : QCoreApplication::translate("Undo", "Type Text");
  if (label && TextStateOf(*label) == after) return false;
  // A mark grown for its text and the text are one step.
  TCustomKDTool* shape = place.shape && shapeBox != place.shape->box ? items.FigureOf(*place.shape) : nullptr;
  QUndoStack& stack = history_.Stack();
  if (shape) {
    stack.beginMacro(name);
    history_.Begin(TEditKind::Resize, {shape}, name);
    shape->ApplyBounds(shapeBox.x(), shapeBox.y(), shapeBox.width(), shapeBox.height());
    history_.FollowStep();
    history_.End();
  }
  WriteLabel(label, after, name);
  if (shape) {
    stack.endMacro();
    // The selection's frame follows the grown mark.
    if (shape->HaveFocused()) diagram_.Select(diagram_.Selected());
  }
  return true;
}

void TextEditSession::WriteLabel(TCustomKDTool* label, const TextChangeCommand::State& after, const QString& name) {
  if (label) {
    const TextChangeCommand::State before = TextStateOf(*label);
    ApplyTextState(*label, after);
    history_.Push(new TextChangeCommand(diagram_, diagram_.IdOf(label), before, after, name));
    return;
  }
  const std::string& caption = after.caption;
  auto* made = new TKDLabel();
  made->SetCaption(caption);
  made->SetFont(font_);
  made->SetFillStyle(bsClear);
  made->ApplyBounds(after.box.x(), after.box.y(), after.box.width(), after.box.height());
  made->SetParentControl(&canvas_);
  if (prepare_) prepare_(made);
  made->Redraw();
  history_.RecordAdded({made}, name);
}

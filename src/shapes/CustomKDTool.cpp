#include "CustomKDTool.h"

#include <algorithm>
#include <cctype>
#include <QPainter>
#include <QWidget>
#include <optional>
#include <vector>

#include "ComponentClipboard.h"
#include "ControlHost.h"
#include "ControlLayer.h"
#include "Cursors.h"
#include "Reader.h"
#include "StreamError.h"
#include "TKDLabel.h"
#include "TSizer.h"
#include "TSizerList.h"
#include "Writer.h"

TCustomKDTool::TCustomKDTool(QWidget* owner) : documentWindow_(owner) {
  // A figure has no size until it is given one; Qt's default for a parentless widget (640 x 480)
  // would make the outlines built while a record is read far larger, and slower, than any figure.
  SetBoundsRect(QRect(0, 0, 0, 0));
  SetOtherButtonsKeepFocus(true);
  SetCursorValue(crSizeAll);
  // The area the text reached before the change and the area it reaches now.
  font_.OnChange = [this] {
    Invalidate();
    Changed();
  };
  pen_.Color = lineColor_;
  pen_.Width = lineWidth_;
  pen_.Style = lineStyle_;
  brush_.Color = fillColor_;
  brush_.Style = fillStyle_;
}

TCustomKDTool::~TCustomKDTool() {
  font_.OnChange = nullptr;
  if (selectionFrame_) selectionFrame_->ForgetTarget();
  if (groupFrame_) groupFrame_->ForgetMember(this);
}

void TCustomKDTool::SetHaveFocused(bool v) {
  if (v == haveFocused_) return;
  haveFocused_ = v;
  if (auto* watcher = dynamic_cast<TFigureWatcher*>(Layer())) watcher->SelectionChanged(this, v);
}

void TCustomKDTool::SetHaveFocusedOfMany(const std::vector<TCustomKDTool*>& figures, bool v) {
  // Figures of one layer are told together; a figure of another layer (or none) on its own.
  std::vector<TCustomKDTool*> changed;
  changed.reserve(figures.size());
  TControlLayer* layer = nullptr;
  for (TCustomKDTool* f : figures) {
    if (f->haveFocused_ == v) continue;
    if (changed.empty()) layer = f->Layer();
    if (f->Layer() != layer) {
      f->SetHaveFocused(v);
      continue;
    }
    f->haveFocused_ = v;
    changed.push_back(f);
  }
  if (auto* watcher = dynamic_cast<TFigureWatcher*>(layer); watcher && !changed.empty())
    watcher->SelectionsChanged(changed, v);
}

void TCustomKDTool::SetCaption(const std::string& v) {
  if (v == caption_) return;
  Invalidate();
  caption_ = v;
  Changed();
}

void TCustomKDTool::SetDefaultHeight(int32_t v) {
  if (v == defaultHeight_) return;
  defaultHeight_ = v;
  Changed();
}

void TCustomKDTool::SetDefaultWidth(int32_t v) {
  if (v == defaultWidth_) return;
  defaultWidth_ = v;
  Changed();
}

void TCustomKDTool::SetLineColor(TColor v) {
  if (v == lineColor_) return;
  lineColor_ = pen_.Color = v;
  Changed();
}

void TCustomKDTool::SetFillColor(TColor v) {
  if (v == fillColor_) return;
  fillColor_ = brush_.Color = v;
  Changed();
}

void TCustomKDTool::SetLineStyle(TPenStyle v) {
  if (v == lineStyle_) return;
  lineStyle_ = pen_.Style = v;
  Changed();
}

void TCustomKDTool::SetFillStyle(TBrushStyle v) {
  if (v == fillStyle_) return;
  fillStyle_ = brush_.Style = v;
  Changed();
}

void TCustomKDTool::SetLineWidth(int32_t v) {
  if (v == lineWidth_) return;
  lineWidth_ = pen_.Width = v;
  Changed();
}

void TCustomKDTool::SetFont(const TFontDesc& v) { font_.Assign(v); }

void TCustomKDTool::SetCursorValue(int16_t v) {
  cursor_ = v;
  // Only a figure that is on a canvas shows a cursor; one being read gets it when placed.
  if (HandleAllocated()) ApplyCursor();
}

void TCustomKDTool::ApplyCursor() {
  Qt::CursorShape shape;
  if (QtCursorFor(cursor_, &shape)) setCursor(shape);
  else unsetCursor();
}

void TCustomKDTool::SetObjectName(const std::string& name) { QObject::setObjectName(QString::fromStdString(name)); }

void TCustomKDTool::ClearEvents() {
  OnSeleComp = OnDeleteComp = OnCompChange = OnExit = OnClick = nullptr;
  OnMouseDown = nullptr;
}

void TCustomKDTool::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TCustomKDTool::Redraw() { Invalidate(); }

void TCustomKDTool::SetCanvasState(Canvas& canvas) const {
  canvas.Pen.Color = pen_.Color;
  canvas.Pen.Width = pen_.Width;
  canvas.Pen.Style = pen_.Style;
  canvas.Pen.Mode = pmCopy;
  canvas.Brush = brush_;
  canvas.Font = font_.Desc();
}

void TCustomKDTool::DrawTo(Canvas& canvas, int, int) const { SetCanvasState(canvas); }

void TCustomKDTool::PaintControl(QPainter& painter) {
  // The same drawing as every picture's, at the figure's place on the canvas.
  Canvas canvas(&painter);
  DrawTo(canvas, Left(), Top());
}

QMargins TCustomKDTool::ReachMargins() const {
  // A wide pen is laid on the outline's middle; one pixel more for the platform's rounding.
  const int pen = std::clamp(LineWidth(), 0, kMaxReach) + 2;
  return QMargins(pen, pen, pen, pen);
}

QRect TCustomKDTool::PaintReach() const {
  // Worked out again after a change of size or of anything drawn (every setter reports one).
  const QRect b = BoundsRect();
  if (!reach_ || reachSize_ != b.size() || reachChange_ != ChangeCount()) {
    reach_ = ReachMargins();
    reachSize_ = b.size();
    reachChange_ = ChangeCount();
  }
  return b.marginsAdded(*reach_);
}

void TCustomKDTool::RebuildOutlineIfChanged() {
  OutlineKeyType key = OutlineKey();
  if (outlineKey_ && *outlineKey_ == key) return;
  outlineKey_ = key;
  ApplyOutline();
}

void TCustomKDTool::CreateHandle() {
  // A window needs a parent: a figure read from a record gets its outline when it is placed on
  // a canvas, not once per setter while its properties are applied.
  if (!parentWidget() && !HandleAllocated()) return;
  const bool created = !HandleAllocated();
  TCustomControl::CreateHandle();
  if (created) ApplyCursor();
  RebuildOutlineIfChanged();
}

void TCustomKDTool::ApplyBounds(int left, int top, int width, int height) {
  const QSize before = BoundsRect().size();
  TCustomControl::ApplyBounds(left, top, width, height);
  // An outline is drawn in the figure's own box: a move leaves it as it is.
  if (HandleAllocated() && BoundsRect().size() != before) RebuildOutlineIfChanged();
}

void TCustomKDTool::QuietlyResized() {
  if (HandleAllocated()) RebuildOutlineIfChanged();
}

bool TCustomKDTool::PressTakenByDocument(int x, int y, bool onFrame) {
  auto* sink = dynamic_cast<TFigurePressSink*>(Host());
  return sink && sink->FigurePressed(*this, x, y, onFrame);
}

void TCustomKDTool::LeftPress(int x, int y) {
  // The document may draw instead (a drawing tool is chosen).
  if (PressTakenByDocument(x, y, false)) return;
  // One press selects the figure and starts dragging it: the new frame takes the focus (the
  // previous selection ends), the figure refreshes itself, and the press goes on to the frame.
  TControlPtr<TSizer> frame = new TSizer(documentWindow_, this, defaultWidth_, defaultHeight_);
  QPointer<TCustomKDTool> self(this);
  WndProc(WM_COMPCHANGE, 0, 0);
  if (self && frame) SendMessage(frame, WM_LBUTTONDOWN, 0, MakeLParam(x, y));
}

int64_t TCustomKDTool::WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      LeftPress(LParamX(lParam), LParamY(lParam));
      return 0;
    case WM_SELECOMP:
      SetHaveFocused(true);
      if (OnSeleComp) OnSeleComp(this);
      return 0;
    case WM_DELETECOMP:
      SetHaveFocused(false);
      if (OnDeleteComp) OnDeleteComp(this);
      Release();
      return 0;
    case WM_COMPCHANGE: {
      CreateHandle();
      Redraw();
      if (OnCompChange) OnCompChange(this);
      return 0;
    }
    case TKM_FOCUSLOST:
      SetHaveFocused(false);
      if (OnExit) OnExit(this);
      return 0;
    default:
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}

void TCustomKDTool::CopyToClipboard() {
  MemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteShape(*this);
    writer.FlushBuffer();
  }
  const std::vector<uint8_t>& bytes = stream.Data();
  // Other programs get a picture of the figure beside the record.
  QPointer<TCustomKDTool> self(this);
  componentclipboard::Put(
      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
      [self]() -> QImage {
        if (!self) return QImage();
        QImage picture(std::clamp(self->Width() + 1, 1, 4096), std::clamp(self->Height() + 1, 1, 4096),
                       QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        Canvas canvas(&painter);
        self->DrawTo(canvas, 0, 0);
        return picture;
      });
  CopyMark = true;
}

TCustomKDTool* TCustomKDTool::PasteCopy() {
  RegisterFigureClasses();
  std::optional<QByteArray> record = componentclipboard::Get();
  if (!record) return nullptr;
  MemoryStream stream(record->constData(), static_cast<size_t>(record->size()));
  std::unique_ptr<Persistent> object;
  {
    TReader reader(stream);
    object = reader.ReadShape();
  }
  auto* figure = dynamic_cast<TCustomKDTool*>(object.get());
  if (!figure) return nullptr;
  object.release();
  figure->SetDocumentWindow(documentWindow_);
  figure->SetParentControl(parentWidget());
  figure->SetLeft(Left() + 10);
  figure->SetTop(Top() + 10);
  return figure;
}

namespace {
TCustomKDTool& K(Persistent& p) { return static_cast<TCustomKDTool&>(p); }
const TCustomKDTool& K(const Persistent& p) { return static_cast<const TCustomKDTool&>(p); }

// Event entries: a record may only clear them (nil); figures publish no methods to name.
#define KD_EVENT(NAME, CLEAR) \
  {.name = NAME, .kind = PropKind::Event, .stored = StoredRule::Never, \
   .clearEvent = [](Persistent& p) { [[maybe_unused]] TCustomKDTool& k = K(p); CLEAR; }}

const PropertyInfo kBaseProperties[] = {
    {.name = "Name", .kind = PropKind::Text, .stored = StoredRule::Never,
     .getText = [](const Persistent& p) { return K(p).ObjectName(); },
     .setText = [](Persistent& p, const std::string& v) {
       bool valid = !v.empty() && (std::isalpha(static_cast<unsigned char>(v[0])) || v[0] == '_');
       for (char c : v) valid = valid && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
       if (!v.empty() && !valid) throw EStreamError(streammsg::InvalidName(v));
       K(p).SetObjectName(v);
     }},
    {.name = "Tag", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault, .defaultValue = 0,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).Tag(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetTag(static_cast<int32_t>(v)); }},
    {.name = "Left", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).Left(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetLeft(static_cast<int32_t>(v)); }},
    {.name = "Top", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).Top(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetTop(static_cast<int32_t>(v)); }},
    {.name = "Width", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).Width(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetWidth(static_cast<int32_t>(v)); }},
    {.name = "Height", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).Height(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetHeight(static_cast<int32_t>(v)); }},
    {.name = "Cursor", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = crDefault, .idents = &CursorIdentTable, .width = IntWidth::Int16,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).CursorValue(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetCursorValue(static_cast<int16_t>(v)); }},
    {.name = "Hint", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return K(p).Hint(); },
     .setText = [](Persistent& p, const std::string& v) { K(p).SetHint(v); }},
    {.name = "HelpType", .kind = PropKind::Enumeration, .stored = StoredRule::IfNotDefault,
     .defaultValue = htContext, .names = &HelpTypeNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).HelpType(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetHelpType(static_cast<THelpType>(v)); }},
    {.name = "HelpKeyword", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return K(p).HelpKeyword(); },
     .setText = [](Persistent& p, const std::string& v) { K(p).SetHelpKeyword(v); }},
    {.name = "HelpContext", .kind = PropKind::Integer, .stored = StoredRule::IfNotDefault,
     .defaultValue = 0,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).HelpContext(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetHelpContext(static_cast<int32_t>(v)); }},
    {.name = "Index", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return K(p).Index(); },
     .setText = [](Persistent& p, const std::string& v) { K(p).SetIndex(v); }},
    {.name = "Caption", .kind = PropKind::Text, .stored = StoredRule::IfNotEmpty,
     .getText = [](const Persistent& p) { return K(p).Caption(); },
     .setText = [](Persistent& p, const std::string& v) { K(p).SetCaption(v); }},
    {.name = "DefaultHeight", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).DefaultHeight(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetDefaultHeight(static_cast<int32_t>(v)); }},
    {.name = "DefaultWidth", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).DefaultWidth(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetDefaultWidth(static_cast<int32_t>(v)); }},
    {.name = "HaveFocused", .kind = PropKind::Boolean, .stored = StoredRule::Always,
     .names = &BooleanNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).HaveFocused(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetHaveFocused(v != 0); }},
    {.name = "LineColor", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).LineColor(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetLineColor(static_cast<TColor>(v)); }},
    {.name = "FillColor", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .idents = &ColorIdentTable,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).FillColor(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetFillColor(static_cast<TColor>(v)); }},
    {.name = "LineStyle", .kind = PropKind::Enumeration, .stored = StoredRule::Always,
     .names = &PenStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).LineStyle(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetLineStyle(static_cast<TPenStyle>(v)); }},
    {.name = "FillStyle", .kind = PropKind::Enumeration, .stored = StoredRule::Always,
     .names = &BrushStyleNames,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).FillStyle(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetFillStyle(static_cast<TBrushStyle>(v)); }},
    {.name = "LineWidth", .kind = PropKind::Integer, .stored = StoredRule::Always,
     .getOrdinal = [](const Persistent& p) -> int64_t { return K(p).LineWidth(); },
     .setOrdinal = [](Persistent& p, int64_t v) { K(p).SetLineWidth(static_cast<int32_t>(v)); }},
    {.name = "Font", .kind = PropKind::Object, .stored = StoredRule::Always,
     .object = [](const Persistent& p) -> Persistent* {
       return &const_cast<TCustomKDTool&>(K(p)).FontObject();
     }},
    KD_EVENT("OnSeleComp", k.OnSeleComp = nullptr),
    KD_EVENT("OnDeleteComp", k.OnDeleteComp = nullptr),
    KD_EVENT("OnClick", k.OnClick = nullptr),
    KD_EVENT("OnCompChange", k.OnCompChange = nullptr),
    KD_EVENT("OnDragDrop", (void)0), KD_EVENT("OnDragOver", (void)0),
    KD_EVENT("OnEndDock", (void)0), KD_EVENT("OnEndDrag", (void)0),
    KD_EVENT("OnEnter", (void)0), KD_EVENT("OnExit", k.OnExit = nullptr),
    KD_EVENT("OnKeyDown", (void)0), KD_EVENT("OnKeyPress", (void)0), KD_EVENT("OnKeyUp", (void)0),
    KD_EVENT("OnMouseDown", k.OnMouseDown = nullptr), KD_EVENT("OnMouseMove", (void)0),
    KD_EVENT("OnMouseUp", (void)0), KD_EVENT("OnStartDock", (void)0),
    KD_EVENT("OnStartDrag", (void)0),
};
#undef KD_EVENT
}  // namespace

std::span<const PropertyInfo> TCustomKDTool::BaseProperties() { return kBaseProperties; }

std::span<const PropertyInfo> TCustomKDTool::Properties() const { return kBaseProperties; }

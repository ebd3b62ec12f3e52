#pragma once
#include <QObject>
#include <QPointer>
#include <array>
#include <optional>
#include <functional>
#include <string>

#include <QMargins>

#include "Canvas.h"
#include "Control.h"
#include "FigureFont.h"
#include "Persistent.h"
#include "ShapeTypes.h"

class TCustomKDTool;
class TSizer;
class TSizerList;
using TFigureEvent = std::function<void(TCustomKDTool* sender)>;

// Where a left press on a figure, or on the body of its selection frame, goes before the figure
// takes it: the canvas the figure lies on may be one, handing it to its document, which draws
// instead while a drawing tool is chosen.
class TFigurePressSink {
 public:
  virtual ~TFigurePressSink() = default;
  // (x, y) in the figure's own canvas pixels. True: the press was taken; the figure leaves it.
  virtual bool FigurePressed(TCustomKDTool& figure, int x, int y, bool onFrame) = 0;
};

// What the layer a figure lives in (a diagram) hears of it besides its bounds and its drawing.
class TFigureWatcher {
 public:
  virtual ~TFigureWatcher() = default;
  virtual void SelectionChanged(TCustomKDTool* figure, bool selected) = 0;
  // The figures' flags were all set to `selected` at once (a group selected or ended): one
  // notice for all of them.
  virtual void SelectionsChanged(const std::vector<TCustomKDTool*>& figures, bool selected) {
    for (TCustomKDTool* f : figures) SelectionChanged(f, selected);
  }
};

// The base of the nine figure classes: a windowless control of the document's canvas that paints
// one shape, answers presses only inside its outline, carries its drawing style and is written to
// and read from a figure record. Concrete classes add the outline and the drawing. A figure is a
// QObject so that it can be watched (QPointer) and told apart by class (qobject_cast); it is no
// widget.
class TCustomKDTool : public QObject, public TCustomControl, public Persistent {
  Q_OBJECT
 public:
  // owner: the document window that hands its frames their owner; none for figures read from a
  // record (the document adopts them afterwards).
  explicit TCustomKDTool(QWidget* owner = nullptr);
  ~TCustomKDTool() override;

  // Published properties (record order).
  const std::string& Index() const { return index_; }
  void SetIndex(const std::string& v) { index_ = v; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int32_t DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int32_t v);
  int32_t DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int32_t v);
  bool HaveFocused() const { return haveFocused_; }
  void SetHaveFocused(bool v);
  // Sets the flag of every figure and tells each one's layer once (a group's members).
  static void SetHaveFocusedOfMany(const std::vector<TCustomKDTool*>& figures, bool v);
  TColor LineColor() const { return lineColor_; }
  void SetLineColor(TColor v);
  TColor FillColor() const { return fillColor_; }
  void SetFillColor(TColor v);
  TPenStyle LineStyle() const { return lineStyle_; }
  void SetLineStyle(TPenStyle v);
  TBrushStyle FillStyle() const { return fillStyle_; }
  void SetFillStyle(TBrushStyle v);
  int32_t LineWidth() const { return lineWidth_; }
  void SetLineWidth(int32_t v);
  const TFontDesc& Font() const { return font_.Desc(); }
  // Copies the font's attributes; always invalidates.
  void SetFont(const TFontDesc& v);
  // The contained font object, whose attributes records set one by one.
  TFont& FontObject() { return font_; }

  // Inherited published properties that only travel through records.
  // Virtual: a line keeps its course in it (see TKDLine).
  virtual int32_t Tag() const { return tag_; }
  virtual void SetTag(int32_t v) { tag_ = v; }
  int16_t CursorValue() const { return cursor_; }
  void SetCursorValue(int16_t v);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType v) { helpType_ = v; }
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& v) { helpKeyword_ = v; }
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t v) { helpContext_ = v; }

  TFigureEvent OnSeleComp;
  TFigureEvent OnDeleteComp;
  TFigureEvent OnCompChange;
  TFigureEvent OnExit;
  TFigureEvent OnClick;
  TMouseEvent OnMouseDown;
  // Every handler cleared: a record's figure starts without any.
  void ClearEvents();

  QWidget* DocumentWindow() const { return documentWindow_; }
  void SetDocumentWindow(QWidget* w) { documentWindow_ = w; }
  // The frame that marks the figure selected, if any (the frame keeps it up to date).
  TSizer* SelectionFrame() const { return selectionFrame_; }
  void SetSelectionFrame(TSizer* frame) { selectionFrame_ = frame; }
  // The multi-selection frame the figure is a member of, if any, and its place among the members
  // (the group keeps both up to date).
  TSizerList* GroupFrame() const { return groupFrame_; }
  uint32_t GroupSlot() const { return groupSlot_; }
  void SetGroupFrame(TSizerList* group, uint32_t slot) {
    groupFrame_ = group;
    groupSlot_ = slot;
  }
  bool CopyMark = false;
  // The figure's identity within its document's history (0 until the document gives one); not
  // stored.
  uint64_t FigureId = 0;
  // The history's fingerprint of the figure's record less its bounds, while no step has touched
  // the figure since it was worked out; not stored.
  std::optional<uint64_t> RecordHash;

  // Repaints the figure (scheduled with every other repaint of this turn of the event loop).
  void Redraw();
  // Draws the shape onto another surface at (x, y); the base sets the surface's pen, brush and
  // font from the figure's properties, which the surface keeps. The screen draws through it too,
  // so that it shows what every picture shows.
  virtual void DrawTo(Canvas& canvas, int x, int y) const;
  // On the canvas: the painter is in canvas pixels (scaled to the zoom).
  bool PaintsInCanvasPixels() const override { return true; }
  void PaintControl(QPainter& painter) override;
  // The figure's drawing reaches a little beyond its box: the pen's width around it, an arrow's
  // heads, a label's lines of text below it.
  QRect PaintReach() const override;

  // Writes the figure as one record onto the clipboard, then marks it.
  void CopyToClipboard();
  // A new figure read from the record on the clipboard, with this figure's owner and parent,
  // 10 pixels right of and below it, without handlers; none when the clipboard holds no record.
  // Throws EStreamError when the record cannot be read.
  TCustomKDTool* PasteCopy();

  // A left press at (x, y), own canvas pixels, on the figure or on its selection frame: the
  // canvas's press sink may take it to draw instead (a drawing tool is chosen). Whether it did.
  bool PressTakenByDocument(int x, int y, bool onFrame);

  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;
  void CreateHandle() override;
  void ApplyBounds(int left, int top, int width, int height) override;
  void QuietlyResized() override;

  // Persistence.
  std::span<const PropertyInfo> Properties() const override;
  std::string ObjectName() const override { return QObject::objectName().toStdString(); }
  void SetObjectName(const std::string& name) override;
  bool DefinesControlExtras() const override { return true; }

  // The pen, brush and font the figure draws with, equal to its properties at all times.
  const TPen& CanvasPen() const { return pen_; }
  const TBrush& CanvasBrush() const { return brush_; }

  // No figure's drawing reaches further beyond its box than this (hostile records).
  static constexpr int kMaxReach = 4096;

  // The published properties every figure class shares, for the concrete classes' tables.
  static std::span<const PropertyInfo> BaseProperties();

 protected:
  // Draws the shape on the figure's own surface, as DrawTo at its corner.
  void Paint(Canvas& canvas) const { DrawTo(canvas, 0, 0); }
  // How far the drawing reaches beyond the box on each side (left, top, right, bottom), worked
  // out again only when the outline's key, the pen or the text changed.
  virtual QMargins ReachMargins() const;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  // Builds and applies the clickable outline for the current size; figures without an outline
  // leave the whole box clickable.
  virtual void ApplyOutline() {}
  // Everything the outline depends on. Rebuilding an outline whose key has not changed would give
  // the same region, so it is skipped (group moves rebuild thousands of them otherwise).
  using OutlineKeyType = std::array<int32_t, 8>;
  virtual OutlineKeyType OutlineKey() const { return {Width(), Height()}; }
  // The left press inside the outline: selects the figure with a new frame and starts dragging.
  virtual void LeftPress(int x, int y);
  void SetCanvasState(Canvas& canvas) const;

 private:
  void RebuildOutlineIfChanged();
  void ApplyCursor();

  std::optional<OutlineKeyType> outlineKey_;
  // The last reach worked out, and what it was worked out from.
  mutable std::optional<QMargins> reach_;
  mutable QSize reachSize_;
  mutable uint32_t reachChange_ = 0;
  std::string index_;
  std::string caption_ = "KDLabel";
  int32_t defaultHeight_ = 50;
  int32_t defaultWidth_ = 50;
  bool haveFocused_ = false;
  TColor lineColor_ = clBlack;
  TColor fillColor_ = clBlack;
  TPenStyle lineStyle_ = psSolid;
  TBrushStyle fillStyle_ = bsSolid;
  int32_t lineWidth_ = 2;
  TFont font_;
  int32_t tag_ = 0;
  int16_t cursor_ = 0;
  std::string hint_;
  THelpType helpType_ = htContext;
  std::string helpKeyword_;
  int32_t helpContext_ = 0;

  TPen pen_;
  TBrush brush_;
  QWidget* documentWindow_ = nullptr;
  TSizer* selectionFrame_ = nullptr;
  TSizerList* groupFrame_ = nullptr;
  uint32_t groupSlot_ = 0;

};

// Registers the nine figure classes with the record reader (harmless when repeated).
void RegisterFigureClasses();

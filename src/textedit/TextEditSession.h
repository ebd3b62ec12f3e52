#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>
#include <cstdint>
#include <functional>

#include "FontDesc.h"
#include "TextChangeCommand.h"
#include "TextPlace.h"

class Diagram;
class DiagramItems;
class DocumentHistory;
class TControlCanvas;
class TCustomKDTool;
class TInPlaceEditor;

// Typing a figure's text on a document's canvas: the editor over the text's place (a shape's
// inner box, a label, or beside a connector's middle), and what the typed text becomes when the
// editing ends: the shape's text label centred and broken to the shape's inner width, a label
// beside the connector, or the label typed into grown downward so that no line is lost; an empty
// text takes the label away; a start or end mark grows about its centre until its text fits in
// its circle. A container's title (typed into its frame or its title) lies at the frame's top-left
// inside the title band, never in the middle of the box. Each ending that changes something is one step of the history, named after what it
// did ("Type Text", "Edit Text", "Delete Text").
class TextEditSession : public QObject {
  Q_OBJECT
 public:
  // prepare: readies a label made here as the document readies every figure (its handlers).
  TextEditSession(TControlCanvas& canvas, Diagram& diagram, DocumentHistory& history,
                  std::function<void(TCustomKDTool*)> prepare);
  ~TextEditSession() override;

  // The widest a new connector label's lines are before they break.
  static constexpr int kConnectorLabelWidth = 120;

  // Opens the editor over the text of the figure (a shape, a label, a line or arrow of a
  // connector), with that text selected; a key typed to start it replaces the text. False, and
  // nothing opens, when the figure takes no text. An editor already open is committed first.
  bool Open(TCustomKDTool* figure, const QString& typed = {});
  // Opens the editor over the title of the rectangle, a container whether or not it encloses
  // anything yet (one just made): an empty text leaves it untitled.
  bool OpenTitle(TCustomKDTool* frame);
  bool IsOpen() const;
  TInPlaceEditor* Editor() const;
  // Where the editor lies, in canvas pixels: the box the text is laid in.
  QRect Area() const { return area_; }
  // The typed text goes to the diagram.
  void Commit();
  // The editor closes and nothing changes.
  void Cancel();
  // Gives the figure the text without the editor, as a commit of it would (one step; an empty
  // text takes the label away). False when nothing changed or the figure takes no text.
  bool SetText(TCustomKDTool* figure, const std::string& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Close();
  // Lays the editor over the area at the canvas's zoom, as high as its text.
  void Place();
  bool Write(const std::string& caption);
  bool WriteTitle(const std::string& caption);
  bool RemoveLabel(TCustomKDTool* label);
  bool OpenAt(TCustomKDTool* figure, const QString& typed, bool title);
  // The label takes the text state (a label is made for it when there is none), as one step.
  void WriteLabel(TCustomKDTool* label, const TextChangeCommand::State& after, const QString& name);
  static TFontDesc FontFor(DiagramItems& items, const semantics::TextPlace& place, TCustomKDTool* figure);

  TControlCanvas& canvas_;
  Diagram& diagram_;
  DocumentHistory& history_;
  std::function<void(TCustomKDTool*)> prepare_;
  QPointer<TInPlaceEditor> editor_;
  uint64_t figure_ = 0;
  semantics::TextPlace::Kind kind_ = semantics::TextPlace::Kind::None;
  QRect area_;
  semantics::ItemKind shapeKind_ = semantics::ItemKind::Rectangle;  // a shape's text: the shape
  QRect shapeBox_;
  bool growsDown_ = false;
  uint64_t titleFrame_ = 0;  // a container's title: its frame
  TFontDesc font_;
};

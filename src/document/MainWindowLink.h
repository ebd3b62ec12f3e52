#pragma once
#include <QString>
#include <cstdint>

#include "Graphics.h"
#include "ShapeTypes.h"

class TwinKedrinFile;
class QPrinter;

// The figure tools of the main window's palette; exactly one button is down. The connector tool
// draws an elbow route of lines and an arrow between two shapes.
enum class TTool : uint8_t { Select, Begin, End, Process, Ellipse, Rectangle, Arrow, Diamond, Label, Line, Connector };

// What a document window needs of the main window: the current document, the tool palette, the
// style controls it writes when a figure is selected, Save As and the printer. The main window
// implements it; tests may give a document a fake.
class TMainWindowLink {
 public:
  virtual ~TMainWindowLink() = default;

  virtual TwinKedrinFile* CurrentDocument() const = 0;
  virtual void SetCurrentDocument(TwinKedrinFile* document) = 0;
  // The down button of the tool palette.
  virtual TTool CurrentTool() const = 0;

  // The style controls, as ShowStyleInMainWindow sets them. Setting a spin position or the
  // caption text runs the control's change handler as if the user had changed it.
  virtual void PushPenButton(TPenStyle style) = 0;      // no button for psInsideFrame
  virtual void PushBrushButton(TBrushStyle style) = 0;  // no button for bsClear
  virtual void SetPenWidthPosition(int position) = 0;
  virtual void SetArrowThicknessRatePosition(int position) = 0;
  virtual void SetArrowHeadLengthRatePosition(int position) = 0;
  virtual void CheckArrowPosition(TArrowPosition position) = 0;
  virtual void CheckArrowDirection(TArrowDirection direction) = 0;
  virtual void SetCaptionText(const QString& text) = 0;

  // Save As for the given document: asks for a name, saves under it and makes it the title.
  // Returns false when the user cancelled or the save failed.
  virtual bool SaveAs(TwinKedrinFile* target) = 0;
  // The printer chosen in the printer set-up dialog.
  virtual QPrinter* Printer() = 0;

  // Copy and Paste of the current document, as the Ctrl+C and Ctrl+V watcher runs them; by
  // default the document's own copy marks and paste.
  virtual void CopyCommand();
  virtual void PasteCommand();
};

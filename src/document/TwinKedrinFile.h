#pragma once
#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Control.h"
#include "EditListener.h"
#include "FileStamp.h"
#include "FigureStyle.h"
#include "FontDesc.h"
#include "Graphics.h"
#include "MainWindowLink.h"
#include "ShapeTypes.h"

class QAction;
class QMenu;
class QUndoStack;
class Diagram;
class DocumentHistory;
class QPrinter;
class TCustomKDTool;
class TSizerList;
class TImage;
class TScrollBox;
class TCanvasSurface;
class TextEditSession;
class ConnectorLabelFollowing;
class CanvasTools;

// One open diagram (unit utKDFile): a child window of the main window whose client area is the
// scroll box scbKedrin. The scroll box's surface shows the canvas image imgKedrin and, above it,
// the diagram's figures (in stacking order) and the selection frames. The document owns the
// diagram (its figure set), the current drawing style with its saved copy, and the Modified flag.
//
// The operations are spread over several files by the part of the document they belong to:
// TwinKedrinFile.cpp (form, style, selection and stacking), KedrinCanvasMouse.cpp (drawing and
// rubber-band selection on the canvas), KedrinFiles.cpp (save, open, export, print),
// KedrinClipboard.cpp (cut, copy, paste) and KedrinUnits.cpp (figures taken as units: edits that
// take texts and connectors along, adding to the selection, typing texts).
class TwinKedrinFile : public QWidget, public TEditListener {
  Q_OBJECT
 public:
  explicit TwinKedrinFile(TMainWindowLink* mainWindow, QWidget* parent = nullptr);
  ~TwinKedrinFile() override;

  TMainWindowLink* MainWindow() const { return mainWindow_; }

  // Form components.
  TScrollBox* scbKedrin = nullptr;
  TImage* imgKedrin = nullptr;
  QMenu* mnuRButton = nullptr;
  QAction* BringToFront1 = nullptr;
  QAction* SendToBack1 = nullptr;
  // The widget that shows the canvas image, the figures and the frames.
  TCanvasSurface* Surface() const;

  // The document's title is its file name ("Noname.kdl" for a new one). The window shows it with
  // the usual mark while the document is modified.
  QString Title() const { return title_; }
  void SetTitle(const QString& title);

  // Modified exactly when what a save would write differs from what was last saved or opened
  // (the history's clean state), or when the file could not be read completely.
  bool Modified() const;
  // true: modified whatever the history says; false: the present state is the saved one.
  void SetModified(bool modified);
  // The file under the title could not be read completely: Save asks for a new name instead of
  // overwriting what is left of it.
  bool ReadIncompletely() const { return readIncompletely_; }
  void SetReadIncompletely(bool value);

  // The history of changes (undo and redo) and the diagram whose figures it identifies.
  QUndoStack* UndoStack() const;
  DocumentHistory& History() { return *history_; }
  Diagram& FigureSet() const { return *diagram_; }
  void Undo();
  void Redo();
  // A mouse drag is in progress on the canvas or on a selection frame.
  bool DragInProgress() const;

  // Fields.
  TColor SavedPenColor = 0;
  TColor CurPenColor = clBlack;
  TColor SavedBrushColor = 0;
  TColor CurBrushColor = clWhite;
  TPenStyle SavedPenStyle = psSolid;
  TPenStyle CurPenStyle = psSolid;
  TBrushStyle SavedBrushStyle = bsSolid;
  TBrushStyle CurBrushStyle = bsSolid;
  int32_t SavedLineWidth = 0;
  int32_t CurLineWidth = 2;
  TArrowPosition SavedArrowPosition = apLeft;
  TArrowPosition CurArrowPosition = apLeft;
  TArrowDirection SavedArrowDirection = adTopToTop;
  TArrowDirection CurArrowDirection = adTopToTop;
  int32_t SavedArrowThicknessRate = 0;
  int32_t CurArrowThicknessRate = 0;
  int32_t SavedArrowHeadLengthRate = 0;
  int32_t CurArrowHeadLengthRate = 0;
  TFontDesc SavedFont;
  TFontDesc CurFont;
  std::string SavedCaption;
  std::string CurCaption;

  // The figure set, bottom first.
  std::vector<TCustomKDTool*> Figures() const;

  // Form handlers.
  void FormCreate();
  void FormActivate();
  // Whether the window may close; asks to save a modified diagram.
  bool FormCloseQuery();
  void FormClose();

  // Figures and style.
  void WireFigure(TCustomKDTool* figure);
  void ToolSeleComp(TCustomKDTool* figure);
  void ToolExit(TCustomKDTool* figure);
  void ToolMouseDown(TCustomKDTool* figure, TMouseButton button, TShiftState shift, int x, int y);
  void ShowStyleInMainWindow();
  // The selected figure's style becomes the current style and shows in the controls; the saved
  // drawing style stays (an undo or redo changed the figure that is selected).
  void ShowSelectedStyle(TCustomKDTool* figure);
  // Applies the current style to the selected figures: a single figure takes the whole style; a
  // group takes only the item the control that called edits, each member keeping the rest.
  void ApplyStyleToSelection(TStyleItem item = TStyleItem::All);
  void BringToFront1Click();
  void SendToBack1Click();
  // Selects the figures as a rubber band around them would.
  // The group frame made (none for no figures).
  TSizerList* SelectGroup(const std::vector<TCustomKDTool*>& figures);
  // Ends any selection, then selects the figures: one figure with its own frame (as a press
  // would, its style shown), several as a rubber band would. A group already selected exactly
  // keeps its frames, laid over the figures again. (How the diagram's Select shows here.)
  void PresentSelection(const std::vector<TCustomKDTool*>& figures);
  // Whether a rubber-band group is selected (as opposed to one figure or none).
  bool GroupSelected() const;
  // The caption box's editing bursts: keystrokes of one burst merge into one step.
  void StartCaptionBurst() { ++captionBurst_; }

  // The drawing style's pen, brush, line width and font onto a figure.
  void GiveDrawingStyle(TCustomKDTool* figure) const;

  // Frame edits, recorded in the history.
  void EditStarted(TEditKind kind, const std::vector<TCustomKDTool*>& targets) override;
  void EditEnded() override;
  // An edit made by one of the document's own commands (label: the step's name, or none to name
  // it after what it did). With View > Keep Connectors and Labels Attached on, a Delete takes the
  // figures' texts and the connectors attached to them along, and a move or resize the labels of
  // the connectors that follow; both in the same step. Ended by EditEnded.
  void BeginEdit(TEditKind kind, const std::vector<TCustomKDTool*>& targets, const QString& label = {});
  // A step of the open edit put its targets somewhere: what is attached to them follows.
  void FollowStep();

  // Typing texts into figures (KedrinUnits.cpp).
  TextEditSession& TextEditing() { return *textEditing_; }
  // Opens the editor over the text of the figure (a shape's, a connector's label, a label); a
  // typed key replaces the text. False when the figure takes no text or a drag is in progress.
  bool EditTextOf(TCustomKDTool* figure, const QString& typed = {});
  // Edit > Edit Text: the text of the one figure selected.
  bool EditSelectedText();

  // Selection as desktop editors make it (View > Keep Connectors and Labels Attached on;
  // KedrinUnits.cpp).
  // Adds the figure's unit to the selection, or takes it out if it is in (one figure left is
  // selected on its own).
  void ToggleInSelection(TCustomKDTool* figure);
  // The next rubber band's figures join these (Shift held at its press); none: it selects only
  // what it encloses.
  void AddNextBandTo(const std::vector<TCustomKDTool*>& figures);
  std::vector<TCustomKDTool*> TakeBandBase();

  // Canvas mouse handling (KedrinCanvasMouse.cpp).
  void imgKedrinMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void imgKedrinMouseMove(TShiftState shift, int x, int y);
  void imgKedrinMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Between a press on this document's canvas and its release.
  bool CanvasDragInProgress() const;
  // The document's tool objects, each with its own gesture state.
  CanvasTools& Tools() { return *canvasTools_; }

  // Files, pictures and printing (KedrinFiles.cpp). Failures throw EKedrinError/EStreamError
  // with the text for the error box. SaveToFile writes a diagram for any name but a picture's
  // (.bmp and .jpg export the picture; .png, .svg and .pdf are refused: Export writes them), and
  // asks before overwriting a file that another program changed since this document read or
  // wrote it; it returns false when nothing was saved because the user cancelled.
  bool SaveToFile(const QString& fileName);
  // Reads the file into the document, which then has the file's name (an empty file too).
  // Returns false when the user cancelled at the progress box (only when `cancellable`): then
  // nothing read stays.
  bool LoadFromFile(const QString& fileName, bool cancellable = true);
  // How long a read runs before its progress box shows, in milliseconds (tests shorten it).
  static int readProgressDelayMs;
  void ExportPicture(const QString& fileName);
  // The picture export and printing use: the canvas picture grown to hold every figure.
  QImage Picture() const;
  void PrintDocument();

  // Clipboard (KedrinClipboard.cpp).
  void CutSelection();
  void CopySelection();
  void PasteCopies();
  // Scrolls as little as it takes to bring the figures into view (their top-left corner first
  // when they do not fit).
  void RevealFigures(const std::vector<TCustomKDTool*>& figures);
  // Whether any figure is marked by Copy for the next Paste.
  bool HasCopyMarks() const;
  std::vector<TCustomKDTool*> SelectedFigures() const;
  // What Copy, Cut and Duplicate take: the selection, and with View > Keep Connectors and Labels
  // Attached on also the selected shapes' texts, the connectors whose both ends are on selected
  // shapes and the labels of those and of the selected connectors.
  std::vector<TCustomKDTool*> CarriedFigures() const;
  // Edit > Duplicate: copies of what Copy would take, 10 pixels right of and below, selected; one
  // step.
  void DuplicateSelection();
  // Figures from another document or program, given as a sequence of records: each 10 pixels
  // right of and below where it was, above every other figure, selected. Throws EStreamError for
  // data that is not a whole sequence of records, and then changes nothing.
  void PasteFigures(const QByteArray& records);
  // Selects every figure, as a rubber band around all of them would (one figure on its own).
  void SelectAll();
  // The Ctrl+C and Ctrl+V shortcuts: one application-wide key watcher, installed at a document's
  // activation while none is installed and removed when any document closes; it acts on the main
  // window's current document.
  static void InstallKeyHook(TMainWindowLink* mainWindow);
  static void RemoveKeyHook();
  static bool KeyHookInstalled();

 signals:
  // The modified state changed (history, save, open).
  void ModifiedChanged(bool modified);
  // Something a save would write changed (autosave listens).
  void ContentChanged();
  // The diagram was saved to the file its title names.
  void Saved();
  // The window is closing for good (after the question, if there was one).
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // One item of the current style onto a figure (a group restyle).
  void GiveStyleItem(TCustomKDTool* figure, TStyleItem item) const;
  void ShowModified();
  // Records, read whole, as figures added above all others, 10 pixels right of and below, and
  // selected: one step named after the verb.
  void AddCopies(const QByteArray& records, const char* verb);

  TMainWindowLink* mainWindow_;
  QString title_;
  // The history refers to the diagram: it is made after it and goes before it.
  std::unique_ptr<Diagram> diagram_;
  std::unique_ptr<DocumentHistory> history_;
  bool forcedModified_ = false;
  bool readIncompletely_ = false;
  // The file as this document last read or wrote it.
  std::optional<FileStamp> diskStamp_;
  int captionBurst_ = 1;
  // The figures a Delete takes besides its targets, until it ends.
  std::vector<uint64_t> removedWith_;
  std::unique_ptr<ConnectorLabelFollowing> labelFollowing_;
  std::vector<uint64_t> bandBase_;
  std::unique_ptr<TextEditSession> textEditing_;
  std::unique_ptr<CanvasTools> canvasTools_;
};

#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "DiagramPrinter.h"
#include "FontDesc.h"
#include "MainWindowLink.h"
#include "TwinKedrinFile.h"

class QAbstractButton;
class QAction;
class QActionGroup;
class QButtonGroup;
class QFileDialog;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QToolButton;
class TUpDownEdit;

// The main frame window (unit utMain): menus, the file and edit tool bar, the figure palette,
// the style tool bar and a multiple-document area holding the document windows. It keeps no
// diagram data and no style of its own; every command acts on CurrentDocument.
class TwinMain : public QMainWindow, public TMainWindowLink {
  Q_OBJECT
 public:
  explicit TwinMain(QWidget* parent = nullptr);
  ~TwinMain() override;

  // TMainWindowLink.
  TwinKedrinFile* CurrentDocument() const override { return currentDocument_; }
  void SetCurrentDocument(TwinKedrinFile* document) override;
  TTool CurrentTool() const override;
  // The tool the palette has chosen; it changes as the palette's buttons go down.
  class ToolChoice& Tools() const { return *toolChoice_; }
  void PushPenButton(TPenStyle style) override;
  void PushBrushButton(TBrushStyle style) override;
  void SetPenWidthPosition(int position) override;
  void SetArrowThicknessRatePosition(int position) override;
  void SetArrowHeadLengthRatePosition(int position) override;
  void CheckArrowPosition(TArrowPosition position) override;
  void CheckArrowDirection(TArrowDirection direction) override;
  void SetCaptionText(const QString& text) override;
  bool SaveAs(TwinKedrinFile* target) override;
  QPrinter* Printer() override { return &printer_; }

  // The open document windows, oldest first.
  std::vector<TwinKedrinFile*> Documents() const;
  // Open without the dialog: a new document that reads the file (the command line uses it).
  TwinKedrinFile* OpenFile(const QString& fileName);
  // A document brought back from a copy of its records: titled as it was, and modified (so Save
  // writes it to its own file, or asks for a name for a never-saved one).
  TwinKedrinFile* OpenRecovered(const QString& recordsFile, const QString& title);

  // Handlers.
  void FormCreate();
  TwinKedrinFile* btnNewClick();
  void btnOpenClick();
  void btnSaveClick();
  void Saveas1Click();
  void btnExitClick();
  void btnCutClick();
  void btnCopyClick();
  void btnPasteClick();
  void btnPrnSetClick();
  void btnPrintClick();
  void btnHelpClick();
  void Undo1Click();
  void Redo1Click();
  void Export1Click();
  void CopyAsPicture1Click();
  void SelectAll1Click();
  void PrintPreview1Click();
  // The watcher's Ctrl+C and Ctrl+V: the same commands as the menu's.
  void CopyCommand() override;
  void PasteCommand() override { btnPasteClick(); }
  void About2Click();
  // Style controls: each does nothing without a current document.
  void btnSolidPenClick(QObject* sender);
  void btnSolidBrushClick(QObject* sender);
  void PenColorClick();
  void BrushColorClick();
  void PenSizeChange();
  void edtArrowThicknessRateChange();
  void edtArrowHeadLengthRateChange();
  void ArrowPositionClick(QAction* item, TArrowPosition position);
  void ArrowDirectionClick(QAction* item, TArrowDirection direction);
  void btnFontSetClick();
  void edtLabelChange();

  // The font the font dialog holds; it opens with it and keeps the last one confirmed.
  TFontDesc dlgFontFont;

  // Controls (object names as the fields).
  QMdiArea* MdiArea = nullptr;
  QMenuBar* MainMenu1 = nullptr;
  QMenu* Arrange1 = nullptr;
  QMenu* Insert1 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QToolBar* ToolBar3 = nullptr;
  QStatusBar* StatusBar1 = nullptr;

  QToolButton *btnNew, *btnOpen, *btnSave, *btnCut, *btnCopy, *btnPaste, *btnPrnSet, *btnPrint,
      *btnHelp, *btnExit;
  QToolButton *btnSelect, *btnBegin, *btnEnd, *btnProcess, *btnEllipse, *btnRectangle, *btnArrow,
      *btnDiamond, *btnLabel, *btnLine;
  QToolButton *btnSolidPen, *btnDashPen, *btnDotPen, *btnDashDotPen, *btnDashDotDotPen, *btnClearPen,
      *btnPenColor;
  QToolButton *btnSolidBrush, *btnHorizontalBrush, *btnVerticalBrush, *btnFDiagonalBrush,
      *btnBDiagonalBrush, *btnCrossBrush, *btnDiagCrossBrush, *btnBrushColor;
  QToolButton *btnArrowPosion, *btnArrowDirection, *btnFontSet;
  // Each spin box is the up-down control; its edit box carries the edit's name.
  TUpDownEdit *PenWidth, *UDArrowThicknessRate, *UDArrowHeadLengthRate;
  QLineEdit *PenSize, *edtArrowThicknessRate, *edtArrowHeadLengthRate, *edtLabel;

  QToolButton *btnUndo = nullptr, *btnRedo = nullptr;
  QAction *Undo1 = nullptr, *Redo1 = nullptr;
  QMenu *File1, *Edit1, *View1, *Print1, *Window1, *About1, *RecentFiles1;
  QAction *New1, *Open1, *Save1, *Saveas1, *Export1, *Exit1, *Cut1, *Copy1, *Paste1, *CopyAsPicture1, *SelectAll1,
      *Print2, *PrintPreview1, *PrintSetup1, *Help1, *About2;
  class WindowMenu* WindowMenu1() const { return windowMenu_; }
  class RecentFiles* RecentFileList() const { return recentFiles_; }
  QMenu *mnuArrowPosition, *mnuArrowDirection;
  QAction *Left1, *Right1, *Both1;
  QAction *TopToTop1, *TopToBottom1, *BottomToTop1, *BottomToBottom1, *LeftToLeft1, *RightToRight1;

  // The file dialogs as the commands run them (filters, default extension, overwrite question).
  static std::unique_ptr<QFileDialog> MakeOpenDialog(QWidget* parent);
  static std::unique_ptr<QFileDialog> MakeSaveAsDialog(QWidget* parent);
  // The PDF file dialog of printing without a printer, starting at the file printed to before.
  static std::unique_ptr<QFileDialog> MakePrintToPdfDialog(QWidget* parent, const QString& previous = {});

 signals:
  // A new document window exists (New, Open, the command line, recovery).
  void DocumentAdded(TwinKedrinFile* document);

 protected:
  // The dialogs, one place each so that tests can answer them. An empty name is a cancel.
  virtual QString ExecuteOpenDialog();
  virtual QString ExecuteSaveAsDialog();
  // Runs the colour dialog preset to color; true and the choice in color when confirmed.
  virtual bool ExecuteColorDialog(TColor& color);
  // Runs the font dialog on font; true and the choice in font when confirmed.
  virtual bool ExecuteFontDialog(TFontDesc& font);
  virtual void ExecutePrinterSetupDialog();
  // The Export dialog and the print preview of a document.
  virtual void ExecuteExportDialog(TwinKedrinFile* document);
  virtual void ExecutePrintPreview(const QImage& picture);
  // With no printer installed: the name of a PDF file to print to instead (empty: cancelled).
  virtual QString ExecutePrintToPdfDialog();
  // Whether the system has a printer that Print could use.
  virtual bool PrinterInstalled() const;

  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenus();
  void CreateToolBar1();
  void CreateToolBar2();
  void CreateToolBar3();
  void CreateArrowMenus();
  void CreateStatusBar();
  // The main window's place and size: as the last run left them, or made for the first document.
  void PlaceWindow();
  void RememberWindow();
  // The colour dialog, preset from the current document's field; a confirmed colour goes into
  // the field, and the style is applied either way.
  void ChooseColor(TColor TwinKedrinFile::*field, TStyleItem item);
  // Shows exactly the ticked item of a radio menu.
  static void ShowTick(QMenu* menu, QAction* ticked);

  // The document whose file that is, if one is open.
  TwinKedrinFile* DocumentShowing(const QString& fileName) const;
  void CloseWindowOf(TwinKedrinFile* doc);
  // Print's printer: the one chosen in Print Setup, or a PDF file when no printer is installed
  // and the user agrees. False when there is nothing to print on.
  bool PreparePrinter();

  QPointer<TwinKedrinFile> currentDocument_;
  class UndoActions* undoActions_ = nullptr;
  class WindowMenu* windowMenu_ = nullptr;
  class ZoomActions* zoomActions_ = nullptr;
  class OverviewDock* overviewDock_ = nullptr;
  class RecentFiles* recentFiles_ = nullptr;
  class StatusPanels* statusPanels_ = nullptr;
  DiagramPrinter printer_{QPrinter::HighResolution};
  // The PDF file printing chose itself for want of a printer (not Print Setup): asked for again.
  QString pdfOfferedByPrint_;
  QButtonGroup* toolGroup_ = nullptr;
  class ToolChoice* toolChoice_ = nullptr;
  // The tool a palette button stands for; none for a button of no tool.
  std::optional<TTool> ToolOfButton(const QAbstractButton& button) const;
  QButtonGroup* penGroup_ = nullptr;
  QButtonGroup* brushGroup_ = nullptr;
  QAction* tickedPosition_ = nullptr;
  QAction* tickedDirection_ = nullptr;
  std::array<QToolButton*, 10> toolButtons_{};
  // Set while a selected figure's style is being shown: the controls' change handlers then
  // leave the document alone, so a value a control cannot hold is never written back.
  bool showingStyle_ = false;
};

// The main window of the running program.
extern TwinMain* winMain;

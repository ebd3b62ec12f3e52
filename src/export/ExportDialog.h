#pragma once
#include <QDialog>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "ExportPicture.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class TCustomKDTool;

namespace exporting {

// The folder the Export dialog first proposes: a saved diagram's own folder, or the folder its
// last export went to when the last export was of this diagram; for a never-saved diagram (a
// title without a folder, "Noname.kdl") the last folder used, or the home folder.
QString ProposedFolder(const QString& documentTitle, const QString& lastFolder, const QString& lastDiagram,
                       const QString& home);

// File > Export...: the file name (its extension, when it names a format, chooses the format;
// otherwise the format box does and its extension is added), the whole diagram (cropped to its
// figures) or only the selection, the scale, the margin around it, a transparent background for PNG, smooth drawing
// for PNG, SVG and PDF (on unless turned off), and the picture's size shown before writing; for
// Mermaid and DOT, which hold the flowchart as text, what the text holds. Export asks before
// replacing a file, writes it whole or not at all, and remembers the format, scale, margin and
// folder (settings "export/format", "export/scale", "export/margin", "export/folder" with
// "export/diagram", the diagram it was used for, "export/transparent" and "export/smooth"). It
// holds figures only, never the document.
class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  ExportDialog(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
               const QString& documentTitle, QWidget* parent = nullptr);

  ExportOptions Options() const;
  // The file that Export writes, as the name and format box now stand.
  QString TargetFileName() const;
  // The size line: "W x H pixels" (with the scale it is drawn at when the one chosen would pass
  // the size limits), or why there is no picture.
  QString SizeText() const;
  QString SizeCaption() const;  // "Picture size:", or "Contents:" for a text

  // Asked before an existing file is replaced; true replaces it. A message box unless replaced.
  std::function<bool(const QString& fileName)> confirmOverwrite;

  // Writes the picture; false when the user kept the old file or writing failed (the error shown).
  bool ExportNow();

  QLineEdit* NameEdit() const { return name_; }
  QComboBox* FormatBox() const { return format_; }
  QRadioButton* SelectionButton() const { return selectionOnly_; }
  QSpinBox* ScaleBox() const { return scale_; }
  QSpinBox* MarginBox() const { return margin_; }
  QCheckBox* TransparentBox() const { return transparent_; }
  QCheckBox* SmoothBox() const { return smooth_; }

 public slots:
  void accept() override;

 private:
  void Browse();
  void NameEdited();
  void FormatChosen();
  void Update();

  std::vector<const TCustomKDTool*> all_, selected_;
  QString documentTitle_;
  QLineEdit* name_;
  QComboBox* format_;
  QRadioButton* whole_;
  QRadioButton* selectionOnly_;
  QSpinBox* scale_;
  QSpinBox* margin_;
  QCheckBox* transparent_;
  QCheckBox* smooth_;
  QLabel* sizeLabel_;  // what size_ tells: a picture's size, or a text's contents
  QLabel* size_;
};

// Shows the dialog for the figures (in stacking order) and the selected ones; true when a file
// was written. The document's name, title and modified state are never touched: the title only
// proposes the file name.
bool RunExportDialog(QWidget* parent, std::span<const TCustomKDTool* const> all,
                     std::span<const TCustomKDTool* const> selected, const QString& documentTitle);

}  // namespace exporting

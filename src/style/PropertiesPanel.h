#pragma once
#include <QDockWidget>
#include <QPointer>
#include <functional>

#include "DiagramObserver.h"
#include "PropertyRanges.h"
#include "PropertyValues.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class Diagram;
#include "TwinKedrinFile.h"

// View > Properties: the selection of the current document as values to read and type over —
// place and size in canvas pixels, text, font, colours, line, and an arrow's heads and
// direction. A field shows the value the selected figures share and stays empty where they
// differ; a value typed (Enter or leaving the field) goes to every selected figure as one step.
// A number the figures cannot take (see RangeOf) is refused with a word under the fields, and
// the field shows the figures' value again.
// The panel follows the document's diagram, once per turn of the event loop however many notices
// came, and only while it is shown.
class PropertiesPanel : public QDockWidget, public DiagramObserver {
  Q_OBJECT
 public:
  explicit PropertiesPanel(QWidget* parent = nullptr);
  ~PropertiesPanel() override;

  // The document whose selection is shown; none empties the panel.
  void SetDocument(TwinKedrinFile* document);
  TwinKedrinFile* Document() const { return document_.data(); }
  // What the fields show now.
  const style::PanelValues& Shown() const { return shown_; }
  // Brings the fields up to date at once.
  void Refresh();
  // Runs the colour dialog for the fill (false) or the line colour (true) of the selection.
  std::function<void(bool line)> chooseColour;

  void DiagramChanged(const DiagramChange& change) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFields();
  void ScheduleRefresh();
  void Detach();
  void Show(const style::PanelValues& values);
  // The typed value of a field, once, when it was edited, if it lies in the field's range.
  void CommitNumber(QLineEdit* field, style::NumberField kind, const std::function<void(TwinKedrinFile&, int)>& apply);
  void ShowProblem(const QString& text);
  void CommitColour(QLineEdit* field, bool line);

  QPointer<TwinKedrinFile> document_;
  Diagram* observed_ = nullptr;
  bool refreshScheduled_ = false;
  style::PanelValues shown_;

  QLineEdit *x_, *y_, *width_, *height_, *text_, *fontSize_, *fill_, *line_, *lineWidth_;
  QComboBox *font_, *lineStyle_, *heads_, *direction_;
  QToolButton *fillButton_, *lineButton_;
  QLabel* problem_;
};

#pragma once
#include <QPointer>
#include <QString>
#include <functional>

#include "Layout.h"
#include "LayoutClient.h"

class QWidget;

// How the long part of a flowchart command runs: reading the text, laying it out and planning
// its figures, all on plain values, before anything in the document changes. The document is
// changed afterwards, on the GUI thread, only when the work was not cancelled.
namespace flowchart {

class ChartWork {
 public:
  virtual ~ChartWork() = default;
  // Runs the work; an exception it throws is thrown here. False when the user cancelled: the
  // work's results are not to be used. The work owns everything it reads and writes (copies,
  // shared pointers): after a cancel it may still be running when Run has returned.
  virtual bool Run(const QString& what, std::function<void()> work) = 0;
  // How the work's last layout ended beyond Graphviz's own reasons (refused, crashed, ...).
  graph::LayoutStop LastStop() const { return lastStop_; }
  // The limits its layouts run under, for work that refuses a chart before it measures its
  // texts; null where there are none.
  virtual const layoutproc::Limits* SizeLimits() const { return nullptr; }

 protected:
  graph::LayoutStop lastStop_ = graph::LayoutStop::None;
};

// On this thread, with the layout in this process: plans in tests, in-process measurements.
class WorkHere : public ChartWork {
 public:
  bool Run(const QString& what, std::function<void()> work) override;
};

// The editor's way: the work on a thread of its own, each layout in the layout program under the
// limits. The GUI thread keeps painting; user input waits for the first half second, after which
// a window-modal progress dialog says what runs and offers Cancel, which kills the layout at once
// and returns false without waiting for the work to end.
class WorkWithProgress : public ChartWork {
 public:
  WorkWithProgress(QWidget* parent, layoutproc::Limits limits);
  bool Run(const QString& what, std::function<void()> work) override;
  const layoutproc::Limits* SizeLimits() const override { return &limits_; }

 private:
  QPointer<QWidget> parent_;
  layoutproc::Limits limits_;
};

// The dialog is shown after this long.
constexpr int kProgressDelayMs = 500;
// The layout program for the next command is started this long after a command's work.
constexpr int kSpareDelayMs = 300;

}  // namespace flowchart

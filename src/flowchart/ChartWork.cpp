#include "ChartWork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>

namespace flowchart {

namespace {

// What the work's thread and the GUI thread share. The work's thread writes `stop` and `error`
// before it sets `done`; `loop` is the GUI thread's alone.
struct Shared {
  std::atomic<bool> cancelled{false};
  std::atomic<bool> done{false};
  graph::LayoutStop stop = graph::LayoutStop::None;
  std::exception_ptr error;
  QEventLoop* loop = nullptr;  // the wait in progress, ended when the work is done
  std::mutex lock;             // keeps `notify` alive while the work's thread posts to it
  QObject* notify = nullptr;
};

// The threads chart work runs on, kept apart from the application's other pools; a stack
// deep enough for the readers of deeply nested texts. Work left running by a cancel is waited
// for when the application quits, before Qt's fonts go.
QThreadPool& Pool() {
  static QThreadPool* pool = [] {
    auto* p = new QThreadPool(QCoreApplication::instance());
    p->setStackSize(64u << 20);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, p, [p] { p->waitForDone(); });
    return p;
  }();
  return *pool;
}

// Runs a wait until the work is done or `wait` is ended otherwise.
void Wait(Shared& shared, QEventLoop& wait, QEventLoop::ProcessEventsFlags flags) {
  shared.loop = &wait;
  if (!shared.done) wait.exec(flags);
  shared.loop = nullptr;
}

}  // namespace

bool WorkHere::Run(const QString&, std::function<void()> work) {
  lastStop_ = graph::LayoutStop::None;
  // Graphviz in this process, whatever scope the caller is in.
  graph::LayoutScope here([this](const graph::Graph& g, graph::Direction d, const graph::LayoutOptions& o) {
    graph::LayoutResult r = graph::LayoutInProcess(g, d, o);
    lastStop_ = r.stop;
    return r;
  });
  work();
  return true;
}

WorkWithProgress::WorkWithProgress(QWidget* parent, layoutproc::Limits limits) : parent_(parent), limits_(std::move(limits)) {}

bool WorkWithProgress::Run(const QString& what, std::function<void()> work) {
  lastStop_ = graph::LayoutStop::None;
  auto shared = std::make_shared<Shared>();
  QObject notify;  // on this thread: the work's end is posted to it
  {
    const std::lock_guard<std::mutex> hold(shared->lock);
    shared->notify = &notify;
  }
  Pool().start([shared, limits = limits_, work = std::move(work)] {
    layoutproc::ChildLayout child(limits, &shared->cancelled);
    try {
      const graph::LayoutScope scope(child.Engine());
      work();
    } catch (...) {
      shared->error = std::current_exception();
    }
    shared->stop = child.LastStop();
    shared->done = true;
    const std::lock_guard<std::mutex> hold(shared->lock);
    if (shared->notify)
      QMetaObject::invokeMethod(shared->notify, [shared] { if (shared->loop) shared->loop->quit(); }, Qt::QueuedConnection);
  });

  // A quick layout shows nothing, and what the user does meanwhile waits for it to end.
  if (!shared->done) {
    QEventLoop wait;
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &wait, &QEventLoop::quit);
    delay.start(kProgressDelayMs);
    Wait(*shared, wait, QEventLoop::ExcludeUserInputEvents);
  }
  bool cancelled = false;
  if (!shared->done) {
    QProgressDialog dialog(what, QCoreApplication::translate("flowchart", "Cancel"), 0, 0, parent_);
    dialog.setObjectName(QStringLiteral("dlgChartProgress"));
    // The main window's title, translated where it is.
    dialog.setWindowTitle(QCoreApplication::translate("TwinMain", "Kedrin Tools Demo"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumWidth(360);  // room for the title
    QEventLoop wait;
    QObject::connect(&dialog, &QProgressDialog::canceled, &wait, &QEventLoop::quit);
    dialog.show();
    Wait(*shared, wait, QEventLoop::AllEvents);
    // Cancel, or the dialog closed: the layout is killed; whatever else the work still does
    // is left to end on its own.
    cancelled = !shared->done;
    if (cancelled) shared->cancelled = true;
  }
  {
    const std::lock_guard<std::mutex> hold(shared->lock);
    shared->notify = nullptr;
  }
  // The next command finds the layout program started and warmed up; started once the editor has
  // shown this one's result, so that the warm-up does not take the processor from it.
  QTimer::singleShot(kSpareDelayMs, QCoreApplication::instance(), [limits = limits_] {
    Pool().start([limits] { layoutproc::ChildLayout::PrepareSpare(limits); });
  });
  if (cancelled) return false;
  lastStop_ = shared->stop;
  if (shared->error) std::rethrow_exception(shared->error);
  return true;
}

}  // namespace flowchart

#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <vector>

#include "ControlCanvas.h"
#include "Focus.h"
#include "KDTools.h"
#include "TestSupport.h"

// A figure that records the messages it handles.
class RecordingFigure : public TCustomKDTool {
 public:
  using TCustomKDTool::TCustomKDTool;
  const char* ClassName() const override { return "TKDRectangle"; }
  int64_t WndProc(uint32_t msg, uint64_t w, int64_t l) override {
    log.push_back({msg, w, l});
    return TCustomKDTool::WndProc(msg, w, l);
  }
  struct Entry {
    uint32_t msg;
    uint64_t w;
    int64_t l;
  };
  std::vector<Entry> log;
  int Count(uint32_t msg, int64_t wParam = -1) const {
    int n = 0;
    for (const Entry& e : log)
      if (e.msg == msg && (wParam < 0 || static_cast<int64_t>(e.w) == wParam)) ++n;
    return n;
  }
};

// A window with a canvas widget at its origin, active, with figures placed on the canvas; mouse
// events go through the window so they reach whatever lies under the point.
class FrameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = new QWidget;
    window_->resize(900, 700);
    canvas_ = new TControlCanvas(window_);
    canvas_->setGeometry(0, 0, 900, 700);
    focus::MarkForm(window_);
    focus::Install();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    focus::SetFocus(canvas_);
  }
  void TearDown() override {
    delete window_;
    testsupport::Flush();
  }

  template <typename T = RecordingFigure>
  T* Add(const QRect& r) {
    auto* f = new T;
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetParentControl(canvas_);
    return f;
  }

  QWindow* W() const { return window_->windowHandle(); }
  void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(W(), b, {}, p); }
  void MoveMouse(QPoint p) { QTest::mouseMove(W(), p); }
  void ReleaseMouse(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(W(), b, {}, p); }
  void Drag(QPoint from, QPoint to) {
    Press(from);
    MoveMouse(from + (to - from) / 2);
    MoveMouse(to);
    ReleaseMouse(to);
  }
  void Key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(W(), k, m); }

  template <typename T>
  std::vector<T*> ChildrenOf() const {
    std::vector<T*> out;
    for (TCustomControl* c : canvas_->Controls())
      if (auto* t = dynamic_cast<T*>(c)) out.push_back(t);
    return out;
  }

  QWidget* window_ = nullptr;
  TControlCanvas* canvas_ = nullptr;
};

#pragma once
#include "MainWindowFixture.h"

#include "TImage.h"

// A main window large enough to show a whole document, with one new document and the means to
// press, move and release on its canvas in canvas coordinates, through the window as a user's
// pointer does.
class CanvasFixture : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    main->resize(1100, 900);
    doc = main->btnNewClick();
    SubOf(doc)->resize(900, 700);
    testsupport::Flush();
  }

  void UseTool(const char* button) {
    QToolButton* b = Find(button);
    if (b) b->click();
  }
  QPoint InWindow(QPoint canvas) const { return doc->Surface()->mapTo(main, canvas); }
  void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(main->windowHandle(), b, {}, InWindow(p));
  }
  void MoveTo(QPoint p) { QTest::mouseMove(main->windowHandle(), InWindow(p)); }
  void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(main->windowHandle(), b, {}, InWindow(p));
  }
  void Drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
    Press(from, b);
    MoveTo(from + (to - from) / 3);
    MoveTo(to);
    Release(to, b);
  }
  void Click(QPoint p) {
    Press(p);
    Release(p);
  }
  template <typename T = TCustomKDTool>
  T* LastFigure() const {
    auto figures = doc->Figures();
    return figures.empty() ? nullptr : dynamic_cast<T*>(figures.back());
  }
  template <typename T>
  std::vector<T*> SurfaceChildren() const {
    std::vector<T*> out;
    for (TCustomControl* c : doc->Surface()->Controls())
      if (auto* t = dynamic_cast<T*>(c)) out.push_back(t);
    return out;
  }

  // The control holding the document's focus (a selection frame), if any.
  TCustomControl* FocusedFrame() const { return focus::FocusedControl(doc); }
  // A control's place among everything on the canvas, bottom first.
  ptrdiff_t StackPlace(const TCustomControl* c) const {
    const std::vector<TCustomControl*> all = doc->Surface()->Controls();
    return std::find(all.begin(), all.end(), c) - all.begin();
  }

  TwinKedrinFile* doc = nullptr;
};

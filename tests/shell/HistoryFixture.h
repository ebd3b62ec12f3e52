#pragma once
#include <QApplication>
#include <functional>
#include <vector>

#include "ByteStream.h"
#include "CanvasFixture.h"
#include "Writer.h"

// A document on a real main window, driven as a user drives it, with the bytes a save would
// write at any moment (with nothing selected, as the modified state counts them).
class HistoryFixture : public CanvasFixture {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(main->windowHandle(), key, modifiers);
  }
  // A press and release on a figure: selects it with its own frame.
  void ClickFigure(TCustomKDTool* f) {
    UseTool("btnSelect");
    Click(f->geometry().center());
  }
  // A rubber band around the figures' boxes.
  void BandAround(const std::vector<TCustomKDTool*>& figures) {
    QRect r;
    for (TCustomKDTool* f : figures) r = r.united(f->geometry());
    UseTool("btnSelect");
    Drag(r.topLeft() - QPoint(5, 5), r.bottomRight() + QPoint(6, 6));
  }
  // Drags a handle of the selected figure's frame: hit code order as on screen, 0 top-left ...
  // 4 bottom-right.
  void DragBottomRightHandle(TCustomKDTool* f, QPoint by) {
    const QRect frame = f->geometry().adjusted(-2, -2, 2, 2);
    const QPoint handle = frame.topLeft() + QPoint(frame.width() - 3, frame.height() - 3);
    Drag(handle, handle + by);
  }

  static std::vector<uint8_t> SaveBytes(TwinKedrinFile* d) {
    MemoryStream stream;
    {
      TWriter writer(stream);
      for (TCustomKDTool* f : d->Figures()) {
        const bool selected = f->HaveFocused();
        f->SetHaveFocused(false);
        writer.WriteShape(*f);
        f->SetHaveFocused(selected);
      }
      writer.FlushBuffer();
    }
    return stream.Data();
  }
};

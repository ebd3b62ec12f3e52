#include "Cursors.h"

bool QtCursorFor(int16_t value, Qt::CursorShape* shape) {
  switch (value) {
    case -2: *shape = Qt::ArrowCursor; return true;
    case -3: *shape = Qt::CrossCursor; return true;
    case -4: *shape = Qt::IBeamCursor; return true;
    case -6: *shape = Qt::SizeBDiagCursor; return true;
    case -7: *shape = Qt::SizeVerCursor; return true;
    case -8: *shape = Qt::SizeFDiagCursor; return true;
    case -9: *shape = Qt::SizeHorCursor; return true;
    case -10: *shape = Qt::UpArrowCursor; return true;
    case -11:
    case -17: *shape = Qt::WaitCursor; return true;
    case -12: *shape = Qt::DragMoveCursor; return true;
    case -13:
    case -18: *shape = Qt::ForbiddenCursor; return true;
    case -14: *shape = Qt::SplitHCursor; return true;
    case -15: *shape = Qt::SplitVCursor; return true;
    case -16: *shape = Qt::DragCopyCursor; return true;
    case -19: *shape = Qt::BusyCursor; return true;
    case -20: *shape = Qt::WhatsThisCursor; return true;
    case -21: *shape = Qt::PointingHandCursor; return true;
    case -22: *shape = Qt::SizeAllCursor; return true;
    default: return false;
  }
}

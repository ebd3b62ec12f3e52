#include "KeyState.h"

#include <QGuiApplication>
#include <optional>

#include "Messages.h"

namespace keystate {

namespace {
std::optional<Qt::KeyboardModifiers> g_override;
bool g_leftCtrl = false;
bool g_rightCtrl = false;

// The X11 keycode of the right Ctrl key; any other Ctrl counts as the left one.
constexpr quint32 kScanRightCtrl = 105;

Qt::KeyboardModifiers Modifiers() {
  if (g_override) return *g_override;
  return QGuiApplication::keyboardModifiers();
}
}  // namespace

void OverrideModifiers(Qt::KeyboardModifiers modifiers) { g_override = modifiers; }
void ClearOverride() { g_override.reset(); }

void NoteKeyEvent(const QKeyEvent& event) {
  g_override.reset();
  if (event.key() != Qt::Key_Control) return;
  bool down = event.type() == QEvent::KeyPress;
  if (event.nativeScanCode() == kScanRightCtrl) g_rightCtrl = down;
  else g_leftCtrl = down;
}

int16_t GetKeyState(int vk) {
  Qt::KeyboardModifiers m = Modifiers();
  bool ctrl = m & Qt::ControlModifier;
  bool held = false;
  switch (vk) {
    case VK_SHIFT: held = m & Qt::ShiftModifier; break;
    case VK_CONTROL: held = ctrl; break;
    case VK_MENU: held = m & Qt::AltModifier; break;
    // Qt reports one Ctrl modifier; the scan codes seen tell which key holds it. A Ctrl whose
    // press was not seen (synthetic events) counts as the left one.
    case VK_LCONTROL: held = ctrl && (g_leftCtrl || !g_rightCtrl); break;
    case VK_RCONTROL: held = ctrl && g_rightCtrl; break;
    default: break;
  }
  return held ? static_cast<int16_t>(-128) : 0;
}

int VirtualKeyOf(const QKeyEvent& event) {
  int k = event.key();
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return VK_F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    default: return 0;
  }
}

int64_t KeyDataOf(const QKeyEvent& event) {
  int64_t data = 1;
  if (event.modifiers() & Qt::AltModifier) data |= KF_ALTDOWN_BIT;
  if (event.isAutoRepeat()) data |= int64_t{1} << 30;
  return data;
}

}  // namespace keystate

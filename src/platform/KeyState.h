#pragma once
#include <QKeyEvent>
#include <cstdint>

// Keyboard state as the key handlers ask for it.
namespace keystate {

// Negative while the key is held (VK_SHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU).
int16_t GetKeyState(int vk);

// Records which Ctrl keys are held; fed by the application-wide key watcher.
void NoteKeyEvent(const QKeyEvent& event);
// Tests and synthetic sends may set the modifier state directly; cleared by the next key event.
void OverrideModifiers(Qt::KeyboardModifiers modifiers);
void ClearOverride();

// The virtual-key code of a Qt key event (0 for keys without one) and its key data
// (repeat count 1, bit 29 when Alt is held, bit 30 for auto-repeat).
int VirtualKeyOf(const QKeyEvent& event);
int64_t KeyDataOf(const QKeyEvent& event);

}  // namespace keystate

#pragma once
#include <cstdint>

// Message codes of the controls. Frames, figures and documents talk through these, sent
// synchronously with SendMessage; Qt's own move, size, focus, key and mouse events are routed
// into the same handlers.
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_NCHITTEST = 0x0084;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_USER = 0x0400;

constexpr uint32_t WM_SELECOMP = WM_USER + 1;    // a figure has been selected
constexpr uint32_t WM_DELETECOMP = WM_USER + 2;  // delete yourself
constexpr uint32_t WM_COMPCHANGE = WM_USER + 3;  // geometry changed: rebuild outline, repaint
constexpr uint32_t WM_EXITCOMP = WM_USER + 4;    // a member frame: deselect your figure

constexpr uint32_t TKM_FOCUSLOST = 0xB01B;  // the control lost the keyboard focus within its form
constexpr uint32_t TKM_KEYNOTIFY = 0xBD00;  // key notification that precedes WM_KEYDOWN

constexpr uint64_t SC_DRAGMOVE = 0xF012;  // SC_MOVE + HTCAPTION

// Hit-test codes.
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;

// Virtual-key codes.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_F1 = 0x70;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;

// Mouse key flags of button messages.
constexpr uint64_t MK_LBUTTON = 0x01;
constexpr uint64_t MK_RBUTTON = 0x02;
constexpr uint64_t MK_SHIFT = 0x04;
constexpr uint64_t MK_CONTROL = 0x08;
constexpr uint64_t MK_MBUTTON = 0x10;

// Bit 29 of the key data: Alt was held.
constexpr int64_t KF_ALTDOWN_BIT = int64_t{1} << 29;

// A point or size travels in one parameter as two 32-bit halves (x low), so positions and sizes
// beyond 16 bits pass between frames unchanged.
constexpr int64_t MakeLParam(int32_t x, int32_t y) {
  return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(y)) << 32) |
                              static_cast<uint32_t>(x));
}
constexpr int32_t LParamX(int64_t l) { return static_cast<int32_t>(static_cast<uint64_t>(l) & 0xFFFFFFFFu); }
constexpr int32_t LParamY(int64_t l) { return static_cast<int32_t>(static_cast<uint64_t>(l) >> 32); }

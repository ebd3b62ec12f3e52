#pragma once

// Bounds on control geometry. Values beyond them come only from damaged or hostile files; they
// are clamped so that outlines, canvases and pictures stay of a size the machine can hold.
namespace limits {
constexpr int kMaxCoordinate = 1 << 20;  // positions within +-1,048,576 pixels
constexpr int kMaxExtent = 1 << 15;      // widths and heights up to 32,768 pixels
}  // namespace limits

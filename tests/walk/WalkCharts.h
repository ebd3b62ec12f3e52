#pragma once
#include "Chart.h"

// Charts drawn by hand for the walking and describing tables.
namespace walktest {

using semantics::ItemKind;

inline walk::Shape S(ItemKind kind, QRect box, const char* text) { return {0, kind, box, text}; }
inline walk::Link L(int from, int to, QPoint a, QPoint b, const char* label = "") { return {from, to, a, b, label, {}}; }

// Top to bottom: Begin, Order, the decision Paid? with "yes" down to a shape without text and
// "no" right to Send reminder, which loops back into Order's right side; the textless shape on
// to Done, down and right. Note stands alone left of Begin; A and B loop with nothing leading in.
//
//   Note  Begin            A
//         Order  <-+       |^
//         Paid? -no-> Send B
//          |yes
//        (none)
//            Done
inline walk::Chart BranchesAndLoops() {
  walk::Chart c;
  c.shapes = {S(ItemKind::Start, {100, 0, 80, 40}, "Begin"),           // 0
              S(ItemKind::Process, {100, 100, 80, 40}, "Order"),       // 1
              S(ItemKind::Decision, {100, 200, 80, 60}, "Paid?"),      // 2
              S(ItemKind::Process, {100, 320, 80, 40}, ""),            // 3
              S(ItemKind::Process, {250, 200, 80, 60}, "Send\nreminder"),  // 4
              S(ItemKind::End, {250, 420, 80, 40}, "Done"),            // 5
              S(ItemKind::Process, {0, 0, 60, 40}, "Note"),            // 6
              S(ItemKind::Process, {400, 300, 80, 40}, "A"),           // 7
              S(ItemKind::Rectangle, {400, 400, 80, 40}, "B")};        // 8
  c.links = {L(0, 1, {140, 40}, {140, 100}),                           // 0
             L(1, 2, {140, 140}, {140, 200}),                          // 1
             L(2, 4, {180, 230}, {250, 230}, "no"),                    // 2
             L(2, 3, {140, 260}, {140, 320}, "yes"),                   // 3
             L(4, 1, {290, 200}, {180, 120}),                          // 4
             L(3, 5, {140, 360}, {290, 420}),                          // 5
             L(7, 8, {440, 340}, {440, 400}),                          // 6
             L(8, 7, {480, 420}, {480, 320})};                         // 7
  return c;
}

}  // namespace walktest

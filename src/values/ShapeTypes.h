#pragma once
#include <cstdint>

enum TArrowPosition : uint8_t { apLeft, apRight, apBoth };
// Six directions, four courses: TopToTop and BottomToBottom across the middle, LeftToLeft and
// RightToRight down the middle, TopToBottom falling and BottomToTop rising.
enum TArrowDirection : uint8_t {
  adTopToTop, adTopToBottom, adBottomToTop, adBottomToBottom, adLeftToLeft, adRightToRight
};
enum TSelectStatus : uint8_t { ssSingleSelect, ssMultiSelect };
enum THelpType : uint8_t { htKeyword, htContext };

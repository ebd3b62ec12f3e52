#pragma once
#include <cstddef>
#include <vector>

// Arrays of a large chart (hundreds of thousands of nodes) are filled once, straight after they
// are reserved. Faulted in 4 KB at a time, their first touch costs as much as filling them on a
// virtual machine; advised as huge pages, one fault maps 2 MB.
namespace graph {

// Asks for huge pages over the whole 2 MB pages inside [data, data + bytes). Where the system
// has them off, or the memory is not fresh, nothing changes.
void AdviseHugePages(const void* data, size_t bytes);

template <class T>
void ReserveLarge(std::vector<T>& v, size_t n) {
  v.reserve(n);
  AdviseHugePages(v.data(), v.capacity() * sizeof(T));
}

}  // namespace graph

#include "ToolProcess.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace toolprocess {

namespace {
// What the heap reserves up front: address space only; memory is taken as it is touched.
constexpr size_t kHeapStep = size_t{256} << 20;
// glibc's largest threshold for serving a request from fresh mappings instead of the heap.
constexpr int kLargestMmapThreshold = 32 << 20;
constexpr int kDefaultTopPad = 128 << 10;
constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
}  // namespace

void UseHeadlessDefaults() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}

void GrowHeapInLargeSteps() {
  // One heap for every thread, buffers up to 32 MB included (picture bands, compressed pieces),
  // never handed back while the process lives.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, kLargestMmapThreshold);
  mallopt(M_TRIM_THRESHOLD, INT32_MAX);
  // A request the heap cannot meet yet makes it take one large step at once; freed, the memory
  // goes back to the top of the heap, where later requests are carved from.
  const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
  mallopt(M_TOP_PAD, static_cast<int>(kHeapStep));
  void* volatile step = std::malloc(kLargestMmapThreshold - 4096);  // volatile: not elided
  std::free(step);
  mallopt(M_TOP_PAD, kDefaultTopPad);  // any later growth in ordinary steps
  const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
  if (after < before + kHeapStep) return;  // the heap could not grow there: ordinary pages
  const uintptr_t start = (before + kHugePage - 1) & ~(kHugePage - 1);
  // Where huge pages are off this fails and pages stay small: nothing to do about it.
  madvise(reinterpret_cast<void*>(start), (after - start) & ~(kHugePage - 1), MADV_HUGEPAGE);
}

void Finish(const std::string& out, const std::string& err, int status) {
  std::fwrite(out.data(), 1, out.size(), stdout);
  const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  if (!written) {
    std::fputs("kdltool: cannot write the standard output\n", stderr);
    if (status == 0) status = 1;
  }
  std::fflush(stderr);
  std::_Exit(status);
}

}  // namespace toolprocess

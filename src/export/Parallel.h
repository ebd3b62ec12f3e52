#pragma once
#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace exporting {

inline int Cores() { return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8); }

// Runs work(i, worker) for i = 0 ... count - 1 on every core (the calling thread included), each
// index once, in no fixed order; `worker` (0 ... Cores() - 1) tells which thread runs it, for
// buffers kept per thread. Returns when all have run.
inline void ParallelFor(int count, const std::function<void(int index, int worker)>& work) {
  const int threads = std::clamp(Cores(), 1, std::max(1, count));
  std::atomic<int> next{0};
  auto run = [&](int worker) {
    for (int i; (i = next.fetch_add(1)) < count;) work(i, worker);
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(run, t);
  run(0);
  for (std::thread& t : helpers) t.join();
}

}  // namespace exporting

// kedrin-layout: one Graphviz layout per run, away from the editor. Reads a request (see
// LayoutProtocol.h) on its standard input until it ends, writes the answer on its standard
// output. The editor or kdltool that starts it sets its limits on memory, stack and processor
// time; this side only turns running out of them into exit statuses the caller can name.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "Layout.h"
#include "LayoutExits.h"
#include "LayoutProtocol.h"

namespace {

uintptr_t g_stackLow = 0;      // the lowest address the main thread's stack may reach
uint64_t g_memoryLimit = 0;    // the address space the process may have, in bytes (0: no limit)

// Whether the process has nearly all the address space it may have: Graphviz says "out of
// memory" and goes on to crash when an allocation fails, but also when a size of its own
// overflows, and only the first is a chart too large for the memory. Signal-safe: open, read.
bool NearMemoryLimit() {
  if (g_memoryLimit == 0) return false;
  const int fd = open("/proc/self/statm", O_RDONLY);
  if (fd < 0) return false;
  char text[64];
  const ssize_t got = read(fd, text, sizeof text - 1);
  close(fd);
  uint64_t pages = 0;
  for (ssize_t i = 0; i < got && text[i] >= '0' && text[i] <= '9'; ++i) pages = pages * 10 + static_cast<uint64_t>(text[i] - '0');
  return pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) >= g_memoryLimit / 10 * 9;
}

// Past the stack's lowest address, or in the guard gap below it, is running out of stack; a
// fault or an abort with the address space used up is running out of memory.
void OnFault(int signal, siginfo_t* info, void*) {
  const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
  constexpr uintptr_t kNear = uintptr_t{4} << 20;
  if (signal != SIGABRT && g_stackLow && address + kNear >= g_stackLow && address < g_stackLow + kNear)
    _exit(layoutproc::kExitStack);
  if (NearMemoryLimit()) _exit(layoutproc::kExitMemory);
  // Any other fault is a crash, reported as the signal it is.
  ::signal(signal, SIG_DFL);
  raise(signal);
}

void OnProcessorTime(int) { _exit(layoutproc::kExitTime); }

void OutOfMemory() { _exit(layoutproc::kExitMemory); }

void InstallGuards() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    void* low = nullptr;
    size_t size = 0;
    if (pthread_attr_getstack(&attributes, &low, &size) == 0) g_stackLow = reinterpret_cast<uintptr_t>(low);
    pthread_attr_destroy(&attributes);
  }
  rlimit memory{};
  if (getrlimit(RLIMIT_AS, &memory) == 0 && memory.rlim_cur != RLIM_INFINITY) g_memoryLimit = memory.rlim_cur;
  // The handler needs a stack of its own: the thread's is used up when it runs.
  static char alternate[64 * 1024];
  stack_t stack{};
  stack.ss_sp = alternate;
  stack.ss_size = sizeof alternate;
  sigaltstack(&stack, nullptr);
  struct sigaction fault{};
  fault.sa_sigaction = OnFault;
  fault.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigaction(SIGSEGV, &fault, nullptr);
  sigaction(SIGBUS, &fault, nullptr);
  sigaction(SIGABRT, &fault, nullptr);
  sigaction(SIGTRAP, &fault, nullptr);  // glib's end when an allocation fails
  struct sigaction cpu{};
  cpu.sa_handler = OnProcessorTime;
  sigaction(SIGXCPU, &cpu, nullptr);
  std::set_new_handler(OutOfMemory);
}

std::string ReadInput() {
  std::string text;
  char buffer[65536];
  for (;;) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, stdin);
    text.append(buffer, got);
    if (got < sizeof buffer) break;
  }
  return text;
}

int Answer(const graph::LayoutResult& result) {
  const std::string text = layoutproc::EncodeAnswer(result);
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
  return written ? 0 : layoutproc::kExitOutput;
}

// A chart of a few dozen shapes with labelled edges: the text layout's fonts load, and the heap
// grows to what a chart of that size needs.
void WarmUp() {
  graph::Graph g;
  g.nodes.resize(60);
  for (int i = 0; i + 1 < 60; ++i) {
    graph::Edge e;
    e.from = i;
    e.to = i + 1 + i % 3 < 60 ? i + 1 + i % 3 : i + 1;
    e.label = "warm";
    g.edges.push_back(e);
  }
  graph::LayoutInProcess(g, graph::Direction::TopToBottom);
}

}  // namespace

int main(int argc, char** argv) {
  const bool warm = argc == 2 && std::strcmp(argv[1], layoutproc::kWarmUp) == 0;
  if (argc > 1 && !warm) {
    const bool help = std::strcmp(argv[1], "--help") == 0;
    std::fputs("Usage: kedrin-layout [--warm-up] < REQUEST > ANSWER\n"
               "Lays out one flowchart for the Kedrin editor and kdltool, which start it.\n",
               help ? stdout : stderr);
    return help ? 0 : layoutproc::kExitUsage;
  }
  InstallGuards();
  if (warm) WarmUp();
  std::string error;
  const std::string input = ReadInput();
  const std::optional<layoutproc::Request> request = layoutproc::DecodeRequest(input, &error);
  if (!request) {
    graph::LayoutResult refused;
    refused.error = "the layout program could not read its request: " + error;
    refused.stop = graph::LayoutStop::Unavailable;
    Answer(refused);
    return layoutproc::kExitRequest;
  }
  // Ended at once: freeing what the layout built would only keep the caller waiting.
  _exit(Answer(graph::LayoutInProcess(request->graph, request->direction, request->options)));
}

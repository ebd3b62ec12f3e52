#pragma once
#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <string>

#include "LayoutExits.h"

// One run of the layout program: started with its limits set between fork and exec, fed its
// request, read until it ends, killed on a cancel or past the wall-clock limit. Plain system
// calls, so that any thread may use it (the editor's work threads, kdltool's main thread) and a
// child started on one thread may be used on another.
namespace layoutproc {

struct ProcessLimits {
  int seconds = 30;            // processor time: SIGXCPU a second past it, SIGKILL a second later
  int memoryMegabytes = 2048;  // address space
  int stackMegabytes = 256;
  bool operator==(const ProcessLimits&) const = default;
};

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();  // kills a child still running
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the program, its standard error on /dev/null; `warm` tells it to warm Graphviz up
  // before it reads its request (kWarmUp). Empty with the system's reason in `error` when it
  // cannot be started.
  static ChildProcess Start(const std::string& program, const ProcessLimits& limits, bool warm, std::string* error);

  // Takes a child started ahead for the same program and limits (see KeepSpare), or starts one.
  static ChildProcess Take(const std::string& program, const ProcessLimits& limits, std::string* error);
  // Starts a child for the next Take to find ready: its libraries loaded and Graphviz warmed up
  // while the caller does something else. A spare ends by itself when this process ends.
  static void KeepSpare(const std::string& program, const ProcessLimits& limits);

  bool started() const { return pid_ > 0; }

  enum class Ending { Exited, Cancelled, TimedOut };
  struct Result {
    Ending ending = Ending::Exited;
    int status = 0;  // the exit status, or
    int signal = 0;  // the signal that ended it (0: none)
    std::string output;
  };
  // Writes the input, closes it and reads the output until the child ends, watching `cancelled`
  // and the deadline every few tens of milliseconds; kills the child on either.
  Result Talk(const std::string& input, std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancelled);

 private:
  void Kill();
  void CloseInput();

  pid_t pid_ = -1;
  int input_ = -1;   // our end of its standard input (a socket, so that writing to a dead child never raises SIGPIPE)
  int output_ = -1;  // our end of its standard output
  std::string program_;
  ProcessLimits limits_;
};

}  // namespace layoutproc

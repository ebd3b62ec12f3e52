#include "ChildProcess.h"
#include "AddressSanitizer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>

namespace layoutproc {

namespace {

// How often a running child's caller looks at the cancel flag and the clock.
constexpr int kSliceMs = 20;

// Runs in the child between fork and exec: system calls only. A limit the hard limit does not
// allow is lowered to it; a crash leaves no core file behind.
void ApplyLimits(const ProcessLimits& limits) {
  auto set = [](int resource, rlim_t soft, rlim_t hard) {
    rlimit now{};
    if (getrlimit(resource, &now) != 0) return;
    if (now.rlim_max != RLIM_INFINITY) {
      soft = std::min(soft, now.rlim_max);
      hard = std::min(hard, now.rlim_max);
    }
    const rlimit wanted{soft, hard};
    setrlimit(resource, &wanted);
  };
  const rlim_t memory = static_cast<rlim_t>(limits.memoryMegabytes) << 20;
  const rlim_t stack = static_cast<rlim_t>(limits.stackMegabytes) << 20;
  const rlim_t seconds = static_cast<rlim_t>(limits.seconds);
#ifndef KEDRIN_ADDRESS_SANITIZER
  set(RLIMIT_AS, memory, memory);
#else
  // AddressSanitizer reserves terabytes of address space for its shadow as the program starts, so
  // a limit on it would stop every layout before it began; time and stack still bound the child.
  (void)memory;
#endif
  set(RLIMIT_STACK, stack, stack);
  set(RLIMIT_CPU, seconds + 1, seconds + 2);
  set(RLIMIT_CORE, 0, 0);
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

std::string SystemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// The one child kept ready, of one program and limits.
struct Spare {
  std::mutex lock;
  ChildProcess child;
  std::string program;
  ProcessLimits limits;
};
Spare& TheSpare() {
  static Spare spare;
  return spare;
}

}  // namespace

ChildProcess::~ChildProcess() { Kill(); }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept { *this = std::move(other); }

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this == &other) return *this;
  Kill();
  pid_ = std::exchange(other.pid_, -1);
  input_ = std::exchange(other.input_, -1);
  output_ = std::exchange(other.output_, -1);
  program_ = std::move(other.program_);
  limits_ = other.limits_;
  return *this;
}

ChildProcess ChildProcess::Start(const std::string& program, const ProcessLimits& limits, bool warm, std::string* error) {
  ChildProcess child;
  int input[2] = {-1, -1}, output[2] = {-1, -1};
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0) {
    if (error) *error = SystemError("socketpair");
    return child;
  }
  if (pipe2(output, O_CLOEXEC) != 0) {
    if (error) *error = SystemError("pipe");
    close(input[0]);
    close(input[1]);
    return child;
  }
  const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
  char* const argv[] = {const_cast<char*>(program.c_str()), warm ? const_cast<char*>(kWarmUp) : nullptr, nullptr};
  const pid_t pid = fork();
  if (pid == 0) {
    // The child: async-signal-safe calls only until exec.
    dup2(input[1], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    if (null >= 0) dup2(null, STDERR_FILENO);
    // Nothing else this process holds: a pipe's end kept open in a child would hold back the
    // end of another's output (another layout's, a colleague subsystem's QProcess).
    close_range(3, ~0u, 0);
    ApplyLimits(limits);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execv(program.c_str(), argv);
    _exit(127);
  }
  const int saved = errno;
  close(input[1]);
  close(output[1]);
  if (null >= 0) close(null);
  if (pid < 0) {
    errno = saved;
    if (error) *error = SystemError("fork");
    close(input[0]);
    close(output[0]);
    return child;
  }
  child.pid_ = pid;
  child.input_ = input[0];
  child.output_ = output[0];
  child.program_ = program;
  child.limits_ = limits;
  fcntl(child.output_, F_SETFL, fcntl(child.output_, F_GETFL) | O_NONBLOCK);
  return child;
}

ChildProcess ChildProcess::Take(const std::string& program, const ProcessLimits& limits, std::string* error) {
  Spare& spare = TheSpare();
  {
    const std::lock_guard<std::mutex> hold(spare.lock);
    ChildProcess ready = std::move(spare.child);
    if (ready.started()) {
      // One that ended meanwhile (killed from outside, say) is no use; one of another program or
      // other limits is killed as it goes.
      if (waitpid(ready.pid_, nullptr, WNOHANG) != 0) ready.pid_ = -1;
      else if (ready.program_ == program && ready.limits_ == limits) return ready;
    }
  }
  return Start(program, limits, false, error);
}

void ChildProcess::KeepSpare(const std::string& program, const ProcessLimits& limits) {
  Spare& spare = TheSpare();
  const std::lock_guard<std::mutex> hold(spare.lock);
  if (spare.child.started() && spare.child.program_ == program && spare.child.limits_ == limits) return;
  spare.child = Start(program, limits, true, nullptr);
}

void ChildProcess::CloseInput() { CloseFd(input_); }

void ChildProcess::Kill() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }
  CloseFd(input_);
  CloseFd(output_);
}

ChildProcess::Result ChildProcess::Talk(const std::string& input, std::chrono::steady_clock::time_point deadline,
                                        const std::atomic<bool>* cancelled) {
  Result result;
  size_t written = 0;
  bool ended = false;
  char buffer[65536];
  for (;;) {
    if (cancelled && cancelled->load()) {
      Kill();
      result.ending = Ending::Cancelled;
      return result;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      Kill();
      result.ending = Ending::TimedOut;
      return result;
    }
    if (ended) {
      // Its output closed: it is ending, or ends in a moment.
      int status = 0;
      const pid_t got = waitpid(pid_, &status, WNOHANG);
      if (got == pid_) {
        pid_ = -1;
        CloseFd(input_);
        CloseFd(output_);
        if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
        else if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
        return result;
      }
      poll(nullptr, 0, 1);
      continue;
    }
    pollfd fds[2] = {{output_, POLLIN, 0}, {input_, POLLOUT, 0}};
    const nfds_t count = input_ >= 0 ? 2 : 1;
    if (poll(fds, count, kSliceMs) < 0 && errno != EINTR) {
      Kill();
      result.ending = Ending::Exited;
      result.signal = SIGKILL;
      return result;
    }
    if (count == 2 && fds[1].revents) {
      const ssize_t n = send(input_, input.data() + written, input.size() - written, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) written += static_cast<size_t>(n);
      // All written, or the child will read no more (it died): what it says comes next.
      if (written == input.size() || (n < 0 && errno != EAGAIN && errno != EINTR)) CloseInput();
    }
    if (fds[0].revents) {
      const ssize_t n = read(output_, buffer, sizeof buffer);
      if (n > 0) result.output.append(buffer, static_cast<size_t>(n));
      else if (n == 0 || (errno != EAGAIN && errno != EINTR)) ended = true;
    }
  }
}

}  // namespace layoutproc

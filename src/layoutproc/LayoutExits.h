#pragma once

// The layout program's command line and exit statuses: how it tells the caller what it ran out of.
namespace layoutproc {

// The program's one argument: lay a small chart out first, so that Graphviz, its plugins and its
// fonts are loaded before the request comes.
constexpr const char* kWarmUp = "--warm-up";

constexpr int kExitUsage = 2;    // started with arguments
constexpr int kExitMemory = 3;   // an allocation failed under the memory limit
constexpr int kExitStack = 4;    // the stack reached its limit
constexpr int kExitTime = 5;     // the processor time limit was reached
constexpr int kExitRequest = 6;  // the request could not be read (its answer says why)
constexpr int kExitOutput = 7;   // the answer could not be written

}  // namespace layoutproc

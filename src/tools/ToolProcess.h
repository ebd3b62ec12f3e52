#pragma once
#include <string>

// The process a command-line tool runs in: set up for one short batch of work without a display,
// and ended as soon as its results are out.
namespace toolprocess {

// Environment defaults for a tool that shows nothing, each kept when the user has set one: the
// offscreen platform (no display is needed) and Qt's own event dispatcher instead of
// GLib's, which makes a system call for every event posted (every widget made posts one) while
// Qt's wakes its loop once until the loop runs, and no loop ever runs here.
void UseHeadlessDefaults();

// Lets the heap grow in large steps backed by huge pages where the system offers them, all threads
// sharing it: the work is thousands of small figures and a few picture buffers of megabytes, and a
// first touch of each 4 KB page otherwise costs a page fault (on virtual machines more than the
// work done in the page). Call first thing, before other threads exist. Only speed changes.
void GrowHeapInLargeSteps();

// Writes `out` to the standard output and `err` to the standard error and ends the process with
// `status` without running destructors or freeing memory, which the system reclaims anyway; files
// must be closed and committed before. A standard output that cannot be written (a full disk, a
// closed pipe) turns status 0 into 1, with a message on the standard error.
[[noreturn]] void Finish(const std::string& out, const std::string& err, int status);

}  // namespace toolprocess

#pragma once
#include <QStringList>
#include <string>

// What happens to the figures a command read once it is done: freed, or left for the end of the
// process to reclaim when the caller ends it right away (freeing thousands of widgets one by one
// only costs time then).
enum class KdlToolEnd { FreeEverything, ProcessExitsNext };

// The kdltool commands. Needs a QApplication (figures are widgets); output and errors go to the
// given streams as UTF-8. Returns the exit status: 0 done, 1 failed, 2 wrong usage.
int RunKdlTool(const QStringList& arguments, std::string& out, std::string& err,
               KdlToolEnd end = KdlToolEnd::FreeEverything);

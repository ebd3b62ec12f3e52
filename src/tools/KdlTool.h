#pragma once
#include <QStringList>
#include <string>

// The kdltool commands. Needs a QApplication (figures are widgets); output and errors go to the
// given streams as UTF-8. Returns the exit status: 0 done, 1 failed, 2 wrong usage.
int RunKdlTool(const QStringList& arguments, std::string& out, std::string& err);

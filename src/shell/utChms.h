#pragma once
#include <QString>
#include <QtGlobal>

class QWidget;

// Help (unit utChms): shows a page of the compiled help file through the CHM reader library,
// which is loaded at run time on the first request.
namespace utChms {

// fileAndPage is "kedrin.chm::/aboutus.htm"; command 0 displays that topic. Returns the help
// window. Throws EKedrinError when the reader library or its entry point is missing.
QWidget* HtmlHelp(QWidget* caller, const QString& fileAndPage, unsigned command, quintptr data);

}  // namespace utChms

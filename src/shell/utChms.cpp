#include "utChms.h"

namespace utChms {

QWidget* HtmlHelp(QWidget*, const QString&, unsigned, quintptr) { return nullptr; }

}  // namespace utChms

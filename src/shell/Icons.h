#pragma once
#include <QIcon>
#include <QString>

// The program's own tool bar icons, drawn as SVG files in the resources and rendered for
// 1x and 2x screens so they stay crisp.
namespace icons {

// The icon ":/icons/<name>.svg"; a missing file gives a null icon.
QIcon Load(const QString& name);

}  // namespace icons

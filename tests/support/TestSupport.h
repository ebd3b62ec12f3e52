#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace testsupport {

// Bytes from a hexadecimal text with blanks ("54 50 46 30").
std::vector<uint8_t> Hex(const std::string& text);
std::string ToHex(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const QString& path);
QString DataPath(const QString& name);
// A folder under the build tree for pictures tests leave behind for people to look at.
QString OutputPath(const QString& name);
// Runs posted events, deferred deletions included.
void Flush();
// A widget's own pixels, children included, as a picture.
QImage Grab(QWidget* widget);
// A window's title as shown: the modified mark placeholder replaced as Qt shows it.
QString ShownTitle(const QWidget* window);

}  // namespace testsupport

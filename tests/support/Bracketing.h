#pragma once
#include <QString>
#include <QTranslator>

namespace testsupport {

// Says each text of one context back in brackets, so that a test sees what was asked for by its
// English; other contexts are left untranslated.
class Bracketing : public QTranslator {
 public:
  explicit Bracketing(const char* context) : context_(context) {}
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (QLatin1String(context) != QLatin1String(context_)) return {};
    return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
  }
  bool isEmpty() const override { return false; }

 private:
  const char* context_;
};

}  // namespace testsupport

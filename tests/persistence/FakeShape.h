#pragma once
#include <string>

#include "Persistent.h"
#include "ShapeClassRegistry.h"

// A small persistent class with one property of every kind, for testing the format without
// figures.
class FakeInner final : public Persistent {
 public:
  int32_t height = -11;
  std::string name;
  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TFakeInner"; }
};

class FakeShape final : public Persistent {
 public:
  int32_t left = 0;
  std::string caption;
  int32_t color = 0;
  int64_t charset = 1;
  int64_t cursor = 0;
  int64_t style = 0;
  bool flag = false;
  int64_t styles = 0;
  int64_t rate = 7;
  bool eventSet = true;
  bool isControl = false;
  int32_t designW = 0, designH = 0;
  bool loaded = false;
  std::string objectName;
  FakeInner inner;

  std::span<const PropertyInfo> Properties() const override;
  const char* ClassName() const override { return "TFakeShape"; }
  std::string ObjectName() const override { return objectName; }
  void SetObjectName(const std::string& n) override { objectName = n; }
  bool DefinesControlExtras() const override { return true; }
  void SetIsControl(bool v) override { isControl = v; }
  void SetDesignSize(int32_t w, int32_t h) override { designW = w; designH = h; }
  void Loaded() override { loaded = true; }

  static void Register();
};

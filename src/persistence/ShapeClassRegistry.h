#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "Persistent.h"

// The classes the reader may instantiate, found by class name without regard to ASCII case.
namespace ShapeClassRegistry {

using Factory = std::unique_ptr<Persistent> (*)();

// Registering a class again is harmless.
void RegisterShapeClass(const char* className, Factory factory);

struct Entry {
  const char* className;
  Factory factory;
};
// nullptr when the name is not registered.
const Entry* Find(std::string_view className);

}  // namespace ShapeClassRegistry

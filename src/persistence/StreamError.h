#pragma once
#include <stdexcept>
#include <string>

// A failure while reading or writing figure records; what() is the text shown to the user (UTF-8).
class EStreamError : public std::runtime_error {
 public:
  explicit EStreamError(const std::string& message) : std::runtime_error(message) {}
};

// The reader's messages, worded as users of earlier versions know them.
namespace streammsg {
inline const char* const kInvalidStreamFormat = "Invalid stream format";
inline const char* const kStreamRead = "Stream read error";
inline const char* const kInvalidPropertyValue = "Invalid property value";
inline const char* const kInvalidPropertyPath = "Invalid property path";
inline std::string ClassNotFound(const std::string& name) { return "Class " + name + " not found"; }
inline std::string InvalidName(const std::string& name) {
  return "''" + name + "'' is not a valid component name";
}
inline std::string PropertyDoesNotExist(const std::string& name) {
  return "Property " + name + " does not exist";
}
inline std::string ErrorReading(const std::string& object, const std::string& property,
                                const std::string& inner) {
  return "Error reading " + object + "." + property + ": " + inner;
}
}  // namespace streammsg

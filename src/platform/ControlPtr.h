#pragma once
#include <cstdint>

class TCustomControl;

// What a weak pointer to a control shares with the control: cleared when the control is
// destroyed, freed when the last pointer goes. Made only for controls someone watches, so that
// thousands of group members cost nothing for it.
struct TControlWatch {
  TCustomControl* control;
  uint32_t watchers;
};

// A pointer to a control that becomes null when the control is destroyed (controls are not
// QObjects, so QPointer cannot watch them).
template <typename T>
class TControlPtr {
 public:
  TControlPtr() = default;
  TControlPtr(T* control);  // NOLINT: as QPointer, made from a plain pointer
  TControlPtr(const TControlPtr& other) : watch_(other.watch_) {
    if (watch_) ++watch_->watchers;
  }
  TControlPtr& operator=(const TControlPtr& other) {
    if (this != &other) {
      Drop();
      watch_ = other.watch_;
      if (watch_) ++watch_->watchers;
    }
    return *this;
  }
  TControlPtr& operator=(T* control) { return *this = TControlPtr(control); }
  ~TControlPtr() { Drop(); }

  T* data() const { return watch_ ? static_cast<T*>(watch_->control) : nullptr; }
  T* operator->() const { return data(); }
  T& operator*() const { return *data(); }
  operator T*() const { return data(); }  // NOLINT: as QPointer
  bool isNull() const { return data() == nullptr; }

 private:
  void Drop();
  TControlWatch* watch_ = nullptr;
};

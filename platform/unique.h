// A move-only owner of one resource (a handle, a device context, a timer, a menu),
// released by its close function when the owner goes out of scope. Whatever path a
// routine leaves by, what it acquired is released before it returns.
#pragma once

#include <atomic>
#include <utility>

template <typename T, auto Close, T Empty = T{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) { Count(value_, +1); }
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Empty)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Empty; }
  T release() {
    Count(value_, -1);
    return std::exchange(value_, Empty);
  }
  void reset(T value = Empty) {
    Count(value, +1);
    T old = std::exchange(value_, value);
    if (old != Empty) {
      Count(old, -1);
      Close(old);
    }
  }

  // How many resources of this kind the owners of the whole process hold now; the
  // diagnostics report it where the system keeps no count (platform/diagnostics.h).
  static int Live() { return live_.load(); }

 private:
  static void Count(T value, int change) {
    if (value != Empty) live_ += change;
  }
  static inline std::atomic<int> live_{0};
  T value_ = Empty;
};

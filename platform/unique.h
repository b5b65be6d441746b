// A move-only owner of one resource (a handle, a device context, a timer, a menu),
// released by its close function when the owner goes out of scope. Whatever path a
// routine leaves by, what it acquired is released before it returns.
#pragma once

#include <utility>

template <typename T, auto Close, T Empty = T{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Empty; }
  T release() { return std::exchange(value_, Empty); }
  void reset(T value = Empty) {
    T old = std::exchange(value_, value);
    if (old != Empty) Close(old);
  }

 private:
  T value_ = Empty;
};

#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ombrelk {

// Controls sharing a name and told apart by index: lblDay(7), cmdSwitchMonth(2).
template <typename T>
class ControlArray {
 public:
  ControlArray(const std::string& name, int count) {
    items_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) items_.push_back(std::make_unique<T>(name, i));
  }
  T& operator()(int index) { return *items_.at(static_cast<std::size_t>(index)); }
  const T& operator()(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace ombrelk

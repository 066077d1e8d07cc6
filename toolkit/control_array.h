#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "core/runtime_error.h"

namespace toolkit {

// Elements of one kind addressed by a 16-bit index and loaded and unloaded at run time. The
// factory makes element i with its settings and its event handlers bound to i.
template <typename Element>
class ControlArray {
 public:
  using Factory = std::function<std::unique_ptr<Element>(std::int16_t index)>;

  explicit ControlArray(Factory factory) : factory_(std::move(factory)) {}

  // Loading an element that exists, or unloading or using one that does not, is a run-time
  // error.
  Element& Load(std::int16_t index) {
    if (elements_.contains(index)) {
      throw velamo::RuntimeError(velamo::RuntimeErrorCode::kAlreadyLoaded);
    }
    return *elements_.emplace(index, factory_(index)).first->second;
  }

  void Unload(std::int16_t index) {
    if (elements_.erase(index) == 0) {
      throw velamo::RuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
    }
  }

  Element& operator()(std::int16_t index) const {
    const auto found = elements_.find(index);
    if (found == elements_.end()) {
      throw velamo::RuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
    }
    return *found->second;
  }

  bool Loaded(std::int16_t index) const { return elements_.contains(index); }
  std::int16_t LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  std::int16_t UBound() const { return elements_.empty() ? 0 : elements_.rbegin()->first; }
  std::size_t Count() const { return elements_.size(); }

 private:
  Factory factory_;
  std::map<std::int16_t, std::unique_ptr<Element>> elements_;
};

}  // namespace toolkit

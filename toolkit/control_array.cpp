#include "toolkit/control_array.h"

#include <algorithm>

#include "core/runtime_error.h"

namespace toolkit {

namespace {

template <typename Elements>
auto LowerBound(Elements& elements, std::int16_t index) {
  return std::ranges::lower_bound(elements, index, {}, [](const auto& e) { return e.first; });
}

}  // namespace

ControlArrayBase::Elements::const_iterator ControlArrayBase::Find(std::int16_t index) const {
  const auto found = LowerBound(elements_, index);
  return found != elements_.end() && found->first == index ? found : elements_.end();
}

void ControlArrayBase::Unload(std::int16_t index) {
  const auto found = Find(index);
  if (found == elements_.end()) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
  }
  elements_.erase(found);
}

void ControlArrayBase::CheckUnloaded(std::int16_t index) const {
  if (Loaded(index)) velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kAlreadyLoaded);
}

void* ControlArrayBase::Add(std::int16_t index, Owned element) {
  return elements_.emplace(LowerBound(elements_, index), index, std::move(element))->second.get();
}

void* ControlArrayBase::Get(std::int16_t index) const {
  const auto found = Find(index);
  if (found == elements_.end()) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
  }
  return found->second.get();
}

}  // namespace toolkit

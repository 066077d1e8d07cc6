#include "toolkit/control_array.h"

#include "core/runtime_error.h"

namespace toolkit {

void ControlArrayBase::Unload(std::int16_t index) {
  if (elements_.erase(index) == 0) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
  }
}

void ControlArrayBase::CheckUnloaded(std::int16_t index) const {
  if (Loaded(index)) velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kAlreadyLoaded);
}

void* ControlArrayBase::Add(std::int16_t index, Owned element) {
  return elements_.emplace(index, std::move(element)).first->second.get();
}

void* ControlArrayBase::Get(std::int16_t index) const {
  const auto found = elements_.find(index);
  if (found == elements_.end()) {
    velamo::RaiseRuntimeError(velamo::RuntimeErrorCode::kNoSuchElement);
  }
  return found->second.get();
}

}  // namespace toolkit

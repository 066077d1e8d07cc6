#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace toolkit {

// What every control array does whatever its elements are, in one copy.
class ControlArrayBase {
 public:
  // Unloading or using an element that does not exist is a run-time error.
  void Unload(std::int16_t index);
  bool Loaded(std::int16_t index) const { return Find(index) != elements_.end(); }
  std::int16_t LBound() const { return elements_.empty() ? 0 : elements_.front().first; }
  std::int16_t UBound() const { return elements_.empty() ? 0 : elements_.back().first; }

 protected:
  using Owned = std::unique_ptr<void, void (*)(void*)>;
  // Loading an element that exists is a run-time error.
  void CheckUnloaded(std::int16_t index) const;
  void* Add(std::int16_t index, Owned element);
  void* Get(std::int16_t index) const;

 private:
  using Elements = std::vector<std::pair<std::int16_t, Owned>>;
  Elements::const_iterator Find(std::int16_t index) const;
  // In index order; elements mostly come and go at the end.
  Elements elements_;
};

// Elements of one kind addressed by a 16-bit index and loaded and unloaded at run time. The
// factory makes element i with its settings and its event handlers bound to i.
template <typename Element>
class ControlArray : public ControlArrayBase {
 public:
  using Factory = std::function<std::unique_ptr<Element>(std::int16_t index)>;

  // Elements 0 to designed - 1 are made at once, in their place in the form's creation order.
  explicit ControlArray(Factory factory, std::int16_t designed = 0) : factory_(std::move(factory)) {
    for (std::int16_t index = 0; index < designed; ++index) Load(index);
  }

  Element& Load(std::int16_t index) {
    CheckUnloaded(index);
    Owned element(factory_(index).release(), [](void* e) { delete static_cast<Element*>(e); });
    return *static_cast<Element*>(Add(index, std::move(element)));
  }

  Element& operator()(std::int16_t index) const { return *static_cast<Element*>(Get(index)); }

 private:
  Factory factory_;
};

}  // namespace toolkit

#include "fake_pointer_store.h"

namespace mouse::testing {

namespace {

class FakeKey final : public PointerKey {
 public:
  explicit FakeKey(FakePointerStore::Values& values) : values_(values) {}
  std::optional<std::u16string> Read(std::u16string_view name) override {
    const auto it = values_.find(std::u16string(name));
    if (it == values_.end()) {
      return std::nullopt;
    }
    return it->second;
  }
  void Write(std::u16string_view name, std::u16string_view value) override {
    values_[std::u16string(name)] = std::u16string(value);
  }

 private:
  FakePointerStore::Values& values_;
};

}  // namespace

std::unique_ptr<PointerKey> FakePointerStore::Open(PointerKeyId key) {
  if ((key == PointerKeyId::Mouse && failMouse) || (key == PointerKeyId::Desktop && failDesktop)) {
    return nullptr;
  }
  return std::make_unique<FakeKey>(keys_[key]);
}

}  // namespace mouse::testing

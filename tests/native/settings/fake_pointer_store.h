// An in-memory stand-in for the per-user registry values.
#pragma once

#include <map>
#include <string>

#include "settings/pointer_settings.h"

namespace mouse::testing {

class FakePointerStore final : public PointerStore {
 public:
  using Values = std::map<std::u16string, std::u16string>;

  std::unique_ptr<PointerKey> Open(PointerKeyId key) override;

  Values& operator[](PointerKeyId key) { return keys_[key]; }
  bool failMouse = false;
  bool failDesktop = false;

 private:
  std::map<PointerKeyId, Values> keys_;
};

}  // namespace mouse::testing

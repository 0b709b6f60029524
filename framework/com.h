// COM for the current thread, released at scope exit when it was taken.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace framework {

class ComInitializer {
 public:
  explicit ComInitializer(DWORD model = COINIT_APARTMENTTHREADED)
      : result_(CoInitializeEx(nullptr, model)) {}
  ~ComInitializer() {
    if (SUCCEEDED(result_)) {
      CoUninitialize();
    }
  }
  ComInitializer(const ComInitializer&) = delete;
  ComInitializer& operator=(const ComInitializer&) = delete;

  // False when COM could not be initialised (for example with another
  // threading model already chosen on this thread).
  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace framework

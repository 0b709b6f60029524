#pragma once

#include <windows.h>

namespace mouse::win32 {

// Security attributes that give the current user full access and nobody
// else, for the named objects the two programs share.
class CurrentUserSecurity {
 public:
  CurrentUserSecurity();
  ~CurrentUserSecurity();
  CurrentUserSecurity(const CurrentUserSecurity&) = delete;
  CurrentUserSecurity& operator=(const CurrentUserSecurity&) = delete;

  // Null when the descriptor could not be built (the object then gets the
  // default security of the process, which is also private to the user).
  SECURITY_ATTRIBUTES* attributes() { return descriptor_ ? &attributes_ : nullptr; }

 private:
  PSECURITY_DESCRIPTOR descriptor_ = nullptr;
  SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace mouse::win32

#include "settings/win32/current_user_security.h"

#include <sddl.h>

#include <string>
#include <vector>

namespace mouse::win32 {

namespace {

// The string form of the current user's SID; empty when it cannot be read.
std::wstring CurrentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    return {};
  }
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  std::wstring result;
  if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    LPWSTR text = nullptr;
    if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
      result = text;
      LocalFree(text);
    }
  }
  CloseHandle(token);
  return result;
}

}  // namespace

CurrentUserSecurity::CurrentUserSecurity() {
  const std::wstring sid = CurrentUserSid();
  if (sid.empty()) {
    return;
  }
  // A protected DACL with one entry: generic all for the user.
  const std::wstring sddl = L"D:P(A;;GA;;;" + sid + L")";
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                            &descriptor_, nullptr)) {
    descriptor_ = nullptr;
    return;
  }
  attributes_.nLength = sizeof attributes_;
  attributes_.lpSecurityDescriptor = descriptor_;
  attributes_.bInheritHandle = TRUE;
}

CurrentUserSecurity::~CurrentUserSecurity() {
  if (descriptor_ != nullptr) {
    LocalFree(descriptor_);
  }
}

}  // namespace mouse::win32

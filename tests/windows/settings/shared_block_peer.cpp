// A second process for the shared-block tests, standing in for Option (or
// for a program that dies while it holds the block mutex).
//   peer read <file>       writes "<CurrentProfile> <name of profile 0 in UTF-8>" to <file>
//   peer write <profile>   sets CurrentProfile and the name of profile 0 ("peer")
//   peer abandon           takes the block mutex and ends without releasing it
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "settings/text_encoding.h"
#include "settings/win32/shared_block.h"
#include "settings/win32/wide.h"

using namespace mouse;

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring mode = argv[1];
  if (mode == L"abandon") {
    HANDLE mutex = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, win32::WidePtr(kBlockMutex));
    if (mutex == nullptr || WaitForSingleObject(mutex, 5000) != WAIT_OBJECT_0) return 3;
    ExitProcess(0);  // ends while owning the mutex
  }
  auto shared = win32::SharedBlock::Open();
  if (!shared) return 4;
  static SettingsBlock block;
  if (!shared->CopyOut(block)) return 5;
  if (mode == L"read" && argc == 3) {
    FILE* out = _wfopen(argv[2], L"wb");
    if (out == nullptr) return 6;
    std::fprintf(out, "%d %s", block.CurrentProfile,
                 ToUtf8(FixedText(block.Profiles[0].ProFileName)).c_str());
    std::fclose(out);
    return 0;
  }
  if (mode == L"write" && argc == 3) {
    block.CurrentProfile = std::wcstol(argv[2], nullptr, 10);
    SetFixedText(block.Profiles[0].ProFileName, u"peer");
    return shared->CopyIn(block) ? 0 : 7;
  }
  return 2;
}

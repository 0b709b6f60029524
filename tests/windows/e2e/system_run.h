// The whole system as the end-to-end tests run it: a fresh copy of the
// program folder with the virtual mouse on a pipe of its own, Helper
// started and ended by the test, and a window standing in for Option
// (titled as Option's, recording what Helper posts to it).
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "recording_window.h"
#include "settings/ini_document.h"
#include "settings/settings_block.h"
#include "virtual_mouse_run.h"

namespace mouse::testing {

class SystemRun {
 public:
  SystemRun();
  ~SystemRun();
  SystemRun(const SystemRun&) = delete;
  SystemRun& operator=(const SystemRun&) = delete;

  vmouse::testing::VirtualMouseRun& Mouse() { return mouse_; }
  const std::filesystem::path& Folder() const { return mouse_.Folder(); }

  // Starts Helper.exe (with `arguments`) and waits for its window; false
  // when it did not come up within 10 s.
  bool StartHelper(const std::wstring& arguments = L"");
  HWND HelperWindow() const;
  bool HelperRunning() const;
  // Runs another Helper.exe and returns its exit code (~0 when it did not
  // end within `timeoutMs`).
  DWORD RunSecondHelper(const std::wstring& arguments, DWORD timeoutMs = 10000);
  // Waits for Helper to end by itself; false when it still runs.
  bool WaitForHelperExit(DWORD timeoutMs);

  // The window in Option's place, created on first use.
  RecordingWindow& Option();
  // How many messages of a kind the stand-in received.
  std::size_t OptionReceived(UINT message);
  // Pumps until the stand-in received `count` messages of a kind.
  bool WaitForOption(UINT message, std::size_t count, DWORD timeoutMs);

  // config.ini as it is now.
  IniDocument Config() const;
  int ConfigInt(std::u16string_view key) const;
  // The configuration files loaded as Option would load them.
  SettingsBlock LoadedConfiguration() const;

  // Whether Helper's tray icon is there (asked of the notification area).
  bool TrayIconShown() const;
  // What the display program's notice shows now; empty when it shows
  // nothing or does not run.
  std::wstring DisplayText() const;

  // Writes a profile file before Helper starts (`change` edits the
  // profile's defaults).
  void WriteProfile(int index, const std::function<void(ProfileRecord&)>& change) const;
  // Helper's block as it published it.
  SettingsBlock SharedBlock() const;

 private:
  void EndHelper();

  vmouse::testing::VirtualMouseRun mouse_;
  PROCESS_INFORMATION helper_{};
  std::unique_ptr<RecordingWindow> option_;
};

}  // namespace mouse::testing

// Helper's hidden main window: it owns the settings while Helper runs,
// keeps the mouse open through the HID access library, hands the long
// exchanges to DeviceWorker, reacts to the mouse's notices and to Option's
// requests, switches profiles by the foreground program and shows the tray
// icon while the mouse is connected.
#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <memory>

#include "device/clock.h"
#include "device/device_link.h"
#include "device/device_tasks.h"
#include "device/device_worker.h"
#include "device/guarded_block.h"
#include "device/win32/hidgate_library.h"
#include "framework/com.h"
#include "framework/handles.h"
#include "framework/window.h"
#include "helper/notice_effects.h"
#include "helper/notice_handling.h"
#include "helper/win32/helper_task_host.h"
#include "helper/win32/tray_icon.h"
#include "settings/configuration.h"
#include "settings/osd_settings.h"
#include "settings/win32/registry_pointer_store.h"
#include "settings/win32/shared_block.h"
#include "settings/win32/windows_code_page.h"

namespace mouse::win32 {

class CMonitorWnd final : public framework::Window {
 public:
  explicit CMonitorWnd(bool openOptionOnStart);
  ~CMonitorWnd() override;

  // Creates the hidden window; false when another Helper owns the shared
  // block (the window is then not created).
  bool CreateHidden();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCreate(const CREATESTRUCTW& create) override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR id) override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  // Start-up and shutdown.
  void RegisterSessionNotification(int attemptsLeft);
  void StartOutsidePrograms();
  void ShutDown();

  // The tray icon and bringing up Option.
  void ShowTrayIcon();
  LRESULT OnSystrayNotify(LPARAM mouseMessage);
  void ShowTrayMenu();
  void OnCustomizer();

  // Synchronisation with Option and the mouse.
  void OnApplyAllSetting(WPARAM restoredDefaults);
  void OnCopyRequest(bool applyPointer);
  bool TakeSharedBlock();
  void OnArrival();
  void OnRemoval();
  void WriteDeviceKey(int value);
  void ReadDeviceInfoNow();

  // The mouse's notices and what follows them.
  void OnDeviceNotice(std::uint32_t notice);
  void OnCopyData(const COPYDATASTRUCT* data);
  void CarryOut(const effect::Effects& effects);
  void ProfileWatch();
  void SwitchProfile(int profile);

  // Pointer settings and display settings.
  void ApplyCurrentPointerSettings();
  void WriteCurrentPointerSettings();
  void ReloadOsdSettings();
  DisplayFlags Flags() const;

  std::wstring Text(int id) const;

  const bool openOptionOnStart_;
  std::unique_ptr<framework::ComInitializer> com_;
  std::filesystem::path programFolder_;
  framework::ModuleHandle language_;
  framework::ModuleHandle wtsapi_;
  framework::RegKey mouseKey_;
  WindowsCodePage ansi_;
  RegistryPointerStore pointers_;
  std::unique_ptr<ConfigurationFiles> files_;
  GuardedBlock block_;
  OsdSettings osd_{};
  std::atomic<bool> displayShowsProfile_{false};
  std::unique_ptr<SharedBlock> shared_;
  std::unique_ptr<HidgateLibrary> hid_;
  WorkerState state_;
  SteadyClock clock_;
  std::unique_ptr<DeviceLink> workerLink_;
  std::unique_ptr<DeviceLink> windowLink_;
  std::unique_ptr<HelperTaskHost> taskHost_;
  std::unique_ptr<DeviceTasks> tasks_;
  std::unique_ptr<DeviceWorker> worker_;
  TrayIcon tray_;
  framework::IconHandle icon_;
  int winampToggle_ = 0;
  bool arrivalPending_ = false;
  bool started_ = false;
};

// Timer ids of Helper's window.
inline constexpr UINT_PTR kProfileWatchTimer = 500;
inline constexpr UINT_PTR kReadBackTimer = 502;
inline constexpr UINT_PTR kArrivalTimer = 503;
inline constexpr UINT_PTR kSessionRetryTimer = 504;

inline constexpr UINT kProfileWatchPeriodMs = 2000;
inline constexpr UINT kReadBackDelayMs = 200;
inline constexpr UINT kArrivalPauseMs = 8000;
inline constexpr UINT kTrayIconId = 102;
inline constexpr WORD kHelperIconResource = 128;

}  // namespace mouse::win32

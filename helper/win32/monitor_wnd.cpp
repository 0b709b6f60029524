// CMonitorWnd: creation, shutdown, message dispatch, tray icon and Option.
#include "helper/win32/monitor_wnd.h"

#include <commctrl.h>
#include <shellapi.h>

#include "device/win32/debugger_log.h"
#include "framework/text.h"
#include "settings/coordination.h"
#include "settings/ini_file.h"
#include "settings/win32/apply_pointer_settings.h"
#include "settings/win32/program_folder_win.h"
#include "settings/win32/wide.h"
#include "support/lang/text_ids.h"

namespace mouse::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"MouseHelperMonitor";
constexpr int kSessionAttempts = 10;
constexpr UINT kSessionRetryMs = 1000;

DebuggerLog& Log() {
  static DebuggerLog log;
  return log;
}

using RegisterSessionFunction = BOOL(WINAPI*)(HWND, DWORD);

// Starts a program of the program folder with the shell's "open"; a program
// that is not there is skipped, so the shell never shows an error.
void OpenIfPresent(const std::filesystem::path& program) {
  std::error_code ignored;
  if (!std::filesystem::exists(program, ignored)) {
    return;
  }
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  const std::wstring file = program.wstring();
  info.lpFile = file.c_str();
  info.nShow = SW_SHOW;
  ShellExecuteExW(&info);
}

}  // namespace

CMonitorWnd::CMonitorWnd(bool openOptionOnStart)
    : openOptionOnStart_(openOptionOnStart), tray_(kTrayIconId, kMsgTrayNotify) {}

CMonitorWnd::~CMonitorWnd() { Destroy(); }

bool CMonitorWnd::CreateHidden() {
  framework::RegisterWindowClass({kWindowClass});
  framework::WindowParams params;
  params.className = kWindowClass;
  params.title = WidePtr(kHelperWindowTitle);
  params.style = WS_POPUP;
  params.x = 100;
  params.y = 100;
  params.width = 100;
  params.height = 100;
  return Create(params);
}

std::wstring CMonitorWnd::Text(int id) const {
  if (!language_) {
    return {};
  }
  wchar_t text[kTextBufferLength] = {};
  const int length = LoadStringW(language_.get(), static_cast<UINT>(id), text, kTextBufferLength);
  return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool CMonitorWnd::OnCreate(const CREATESTRUCTW&) {
  com_ = std::make_unique<framework::ComInitializer>();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  programFolder_ = ProgramFolder();
  language_.reset(LoadLibraryW((programFolder_ / "Lang.dll").c_str()));
  files_ =
      std::make_unique<ConfigurationFiles>(ConfigurationFiles{programFolder_, ansi_, pointers_});

  wtsapi_.reset(LoadLibraryW(L"wtsapi32.dll"));
  RegisterSessionNotification(kSessionAttempts);

  HKEY mouseKey = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Mouse", 0, nullptr, REG_OPTION_NON_VOLATILE,
                  KEY_ALL_ACCESS, nullptr, &mouseKey, nullptr);
  mouseKey_.reset(mouseKey);

  hid_ = std::make_unique<HidgateLibrary>(programFolder_ / "hidgate.dll");

  block_.Modify([this](SettingsBlock& b) {
    InitBlock(b);
    LoadConfiguration(b, *files_);
  });
  ReloadOsdSettings();

  shared_ = SharedBlock::Create();
  if (!shared_) {
    // Another Helper owns the shared block.
    return false;
  }
  if (shared_->HasView()) {
    shared_->CopyIn(*block_.Snapshot());
  }

  workerLink_ = std::make_unique<DeviceLink>(*hid_, clock_, state_.abortFlag, ansi_, &Log());
  windowLink_ = std::make_unique<DeviceLink>(*hid_, clock_, state_.abortFlag, ansi_, &Log());
  taskHost_ = std::make_unique<HelperTaskHost>(
      *files_, shared_->HasView() ? shared_.get() : nullptr, displayShowsProfile_);
  tasks_ = std::make_unique<DeviceTasks>(*workerLink_, block_, *taskHost_, &Log());
  worker_ = std::make_unique<DeviceWorker>(
      state_, [this](int task, int parameter) { tasks_->Run(task, parameter); });
  worker_->Start();
  started_ = true;

  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  icon_.reset(static_cast<HICON>(
      LoadImageW(framework::ProgramInstance(), MAKEINTRESOURCEW(kHelperIconResource), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));

  hid_->OpenDevMonitor(reinterpret_cast<WindowHandle>(hwnd()), kMsgDeviceNotice, kMsgDeviceArrival);
  const bool opened = hid_->OpenFeatureDevice();
  if (opened) {
    SetTimer(kProfileWatchTimer, kProfileWatchPeriodMs);
    SetTimer(kReadBackTimer, kReadBackDelayMs);
    ShowTrayIcon();
    if (openOptionOnStart_) {
      ReadDeviceInfoNow();
      OnCustomizer();
    }
  }
  state_.connectionState = opened ? kConnected : 0;
  WriteDeviceKey(opened ? 1 : 0);
  ApplyCurrentPointerSettings();
  StartOutsidePrograms();
  return true;
}

void CMonitorWnd::RegisterSessionNotification(int attemptsLeft) {
  if (!wtsapi_ || attemptsLeft <= 0) {
    return;
  }
  const auto registerSession = reinterpret_cast<RegisterSessionFunction>(
      reinterpret_cast<void*>(GetProcAddress(wtsapi_.get(), "WTSRegisterSessionNotification")));
  if (registerSession == nullptr || registerSession(hwnd(), 0)) {
    return;
  }
  // Try again a little later, without holding up the window.
  RunAfter(kSessionRetryTimer, kSessionRetryMs,
           [this, attemptsLeft] { RegisterSessionNotification(attemptsLeft - 1); });
}

void CMonitorWnd::ReadDeviceInfoNow() {
  DeviceInfo info{};
  windowLink_->ReadDeviceInfo(info);
  WriteConfigInt(*files_, kSettingSection, u"FWVersion", info.firmwareVersion);
  block_.Modify([&](SettingsBlock& b) { b.MouseType = info.mouseType; });
}

void CMonitorWnd::StartOutsidePrograms() {
  OpenIfPresent(programFolder_ / "OSD.exe");
  for (const char* applet : {"Sysmeter.exe", "Mailwatch.EXE", "Callpop.exe", "Chatpop.exe"}) {
    OpenIfPresent(programFolder_ / "Applets" / applet);
  }
}

void CMonitorWnd::WriteDeviceKey(int value) {
  WriteConfigInt(*files_, kSettingSection, u"Device", value);
}

void CMonitorWnd::OnDestroy() {
  if (started_) {
    ShutDown();
  }
}

void CMonitorWnd::ShutDown() {
  started_ = false;
  // Tell the mouse that the host software is gone.
  if (windowLink_) {
    windowLink_->SendHostPresence(false);
  }
  KillTimer(kProfileWatchTimer);
  KillTimer(kReadBackTimer);
  KillTimer(kArrivalTimer);
  framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), WM_CLOSE);
  framework::PostToWindowByTitle(WidePtr(kOsdWindowTitle), WM_CLOSE);
  for (const char16_t* applet : kAppletWindowTitles) {
    framework::PostToWindowByTitle(WidePtr(applet), WM_CLOSE);
  }
  if (state_.workerBusy == 1) {
    state_.abortFlag = 1;
  }
  worker_->Quit();
  hid_->CloseDevMonitor();
  hid_->CloseFeatureDevice();
  if (wtsapi_) {
    using Unregister = BOOL(WINAPI*)(HWND);
    const auto unregister = reinterpret_cast<Unregister>(
        reinterpret_cast<void*>(GetProcAddress(wtsapi_.get(), "WTSUnRegisterSessionNotification")));
    if (unregister != nullptr) {
      unregister(hwnd());
    }
  }
  tray_.Remove();
}

LRESULT CMonitorWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgTrayNotify:
      return OnSystrayNotify(lParam);
    case kMsgApplySettings:
      OnApplyAllSetting(wParam);
      return 0;
    case kMsgCopySharedBlock:
      OnCopyRequest(false);
      return 0;
    case kMsgCopyAndApplyPointer:
      OnCopyRequest(true);
      return 0;
    case kMsgDeviceNotice:
      OnDeviceNotice(MakeDeviceNotice(wParam, lParam));
      return 0;
    case kMsgDeviceArrival:
      OnDeviceNotice(ArrivalNotice(wParam));
      return 0;
    case WM_COPYDATA:
      OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return TRUE;
    case WM_DEVICECHANGE:
    case 1327:
      return TRUE;
    case 1274:
      return 0;
    default:
      return Window::OnMessage(message, wParam, lParam);
  }
}

void CMonitorWnd::OnTimer(UINT_PTR id) {
  if (id == kProfileWatchTimer) {
    ProfileWatch();
  } else if (id == kReadBackTimer) {
    KillTimer(kReadBackTimer);
    worker_->Post(kTaskReadAll, 0);
  }
}

bool CMonitorWnd::OnCommand(WORD id, WORD, HWND) {
  if (id == kCommandOpenOption) {
    OnCustomizer();
    return true;
  }
  if (id == kCommandExit) {
    Post(WM_CLOSE);
    return true;
  }
  return false;
}

void CMonitorWnd::ShowTrayIcon() {
  std::wstring tip = Text(kTextTrayTip);
  if (tip.size() > 127) {
    tip.resize(127);
  }
  tray_.Add(hwnd(), icon_.get(), tip);
}

LRESULT CMonitorWnd::OnSystrayNotify(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: {
      HWND popup = GetLastActivePopup(hwnd());
      if (popup != nullptr && popup != hwnd()) {
        if (IsIconic(popup)) {
          ShowWindow(popup, SW_RESTORE);
        }
        SetForegroundWindow(popup);
        SetActiveWindow(popup);
      }
      break;
    }
    case WM_LBUTTONDBLCLK:
      framework::DebugPrint(L"OnSystrayNotify WM_LBUTTONDBLCLK\n");
      OnCustomizer();
      break;
    case WM_RBUTTONDOWN:
      ShowTrayMenu();
      break;
    default:
      break;
  }
  return 0;
}

void CMonitorWnd::ShowTrayMenu() {
  SetForegroundWindow(GetLastActivePopup(hwnd()));
  framework::MenuHandle menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING, kCommandOpenOption, Text(kTextTrayOpen).c_str());
  SetMenuDefaultItem(menu.get(), kCommandOpenOption, FALSE);
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kCommandExit, Text(kTextTrayExit).c_str());
  POINT cursor{};
  GetCursorPos(&cursor);
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                 hwnd(), nullptr);
  Post(WM_NULL);
}

void CMonitorWnd::OnCustomizer() {
  framework::DebugPrint(L"CMonitorWnd OnCustomizer\n");
  HWND option = framework::FindWindowByTitle(WidePtr(kOptionWindowTitle));
  if (option != nullptr) {
    framework::DebugPrint(L"CMonitorWnd OnCustomizer hWnd!=NULL\n");
    if (IsIconic(option)) {
      ShowWindow(option, SW_SHOWNORMAL);
    }
    SetForegroundWindow(option);
    SetActiveWindow(option);
    return;
  }
  framework::DebugPrint(L"CMonitorWnd OnCustomizer hWnd==NULL\n");
  OpenIfPresent(programFolder_ / "Option.exe");
}

}  // namespace mouse::win32

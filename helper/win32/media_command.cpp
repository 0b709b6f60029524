#include "helper/win32/media_command.h"

#include <optional>
#include <string>

#include "helper/host_actions.h"
#include "settings/win32/registry_pointer_store.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

namespace {

using Kind = MediaAction::Kind;

// A player must never be able to hang Helper's window thread.
constexpr UINT kSendTimeoutMs = 1000;
constexpr DWORD kKeyPauseMs = 100;

void SendToPlayer(HWND player, UINT message, WPARAM wParam, LPARAM lParam) {
  SendMessageTimeoutW(player, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
}

HWND PlayerWindow(int mediaOption) {
  switch (static_cast<MediaPlayer>(mediaOption)) {
    case MediaPlayer::ITunes:
      return FindWindowW(L"iTunes", L"iTunes");
    case MediaPlayer::RealPlayer:
      return FindWindowW(L"GeminiWindowClass", nullptr);
    case MediaPlayer::Winamp:
      return FindWindowW(L"Winamp v1.x", nullptr);
    case MediaPlayer::WindowsMediaPlayer:
      break;
  }
  return nullptr;
}

// Ctrl+Left (0) or Ctrl+Right (1), key by key, as the player expects it.
void SendCtrlArrow(HWND player, unsigned right) {
  const WPARAM arrow = right != 0 ? VK_RIGHT : VK_LEFT;
  const LPARAM arrowDown = right != 0 ? 0x014D0001 : 0x014B0001;
  const LPARAM arrowUp = static_cast<LPARAM>(right != 0 ? 0xC14D0001u : 0xC14B0001u);
  SendToPlayer(player, WM_KEYDOWN, VK_CONTROL, 0x001D0001);
  Sleep(kKeyPauseMs);
  SendToPlayer(player, WM_KEYDOWN, arrow, arrowDown);
  Sleep(kKeyPauseMs);
  SendToPlayer(player, WM_KEYUP, arrow, arrowUp);
  Sleep(kKeyPauseMs);
  SendToPlayer(player, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u));
}

void PostSpace(HWND player) {
  PostMessageW(player, WM_KEYDOWN, VK_SPACE, 0x00390001);
  Sleep(kKeyPauseMs);
  PostMessageW(player, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

// A value below HKEY_LOCAL_MACHINE, read only: players register themselves
// there, and a normal user may not write it.
std::optional<std::u16string> MachineValue(const wchar_t* keyPath, std::u16string_view name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  auto value = ReadRegistryText(key, name);
  RegCloseKey(key);
  return value;
}

std::wstring ExpandEnvironment(const std::u16string& text) {
  const std::wstring source(Wide(text));
  const DWORD size = ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
  if (size == 0) {
    return source;
  }
  std::wstring expanded(size, L'\0');
  ExpandEnvironmentStringsW(source.c_str(), expanded.data(), size);
  expanded.resize(size - 1);
  return expanded;
}

void StartProgram(const std::wstring& path) {
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

void BringToFront(HWND window) {
  const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD ownThread = GetCurrentThreadId();
  const bool attached = foregroundThread != 0 && foregroundThread != ownThread &&
                        AttachThreadInput(foregroundThread, ownThread, TRUE);
  SetForegroundWindow(window);
  if (attached) {
    AttachThreadInput(foregroundThread, ownThread, FALSE);
  }
}

std::wstring Unquoted(std::wstring path) {
  if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') {
    return path.substr(1, path.size() - 2);
  }
  return path;
}

}  // namespace

void StartMediaPlayer(int mediaOption) {
  switch (static_cast<MediaPlayer>(mediaOption)) {
    case MediaPlayer::WindowsMediaPlayer: {
      const auto path = MachineValue(
          L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", u"");
      if (HWND running = FindWindowW(nullptr, L"Windows Media Player")) {
        BringToFront(running);
      } else if (path && !path->empty()) {
        StartProgram(Unquoted(ExpandEnvironment(*path)));
      }
      break;
    }
    case MediaPlayer::ITunes: {
      const auto path =
          MachineValue(L"SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4", u"path");
      if (path && ContainsIgnoringCase(*path, u"iTunes")) {
        StartProgram(std::wstring(Wide(*path)));
      }
      break;
    }
    case MediaPlayer::RealPlayer:
    case MediaPlayer::Winamp: {
      const bool real = static_cast<MediaPlayer>(mediaOption) == MediaPlayer::RealPlayer;
      const auto command =
          MachineValue(real ? L"SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command"
                            : L"SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command",
                       u"");
      if (command) {
        if (const auto path = PlayerProgramFromCommand(*command, real ? u"realplay" : u"winamp")) {
          StartProgram(std::wstring(Wide(*path)));
        }
      }
      break;
    }
  }
}

void MediaCommand(std::uint8_t code, std::uint8_t release, int mediaOption, HWND helperWindow,
                  int& winampToggle) {
  const MediaAction action = PlanMediaCommand(mediaOption, code, release, winampToggle);
  switch (action.kind) {
    case Kind::None:
      break;
    case Kind::StartPlayer:
      StartMediaPlayer(mediaOption);
      break;
    case Kind::AppCommand:
      PostMessageW(helperWindow, WM_APPCOMMAND, reinterpret_cast<WPARAM>(helperWindow),
                   static_cast<LPARAM>(action.value) << 16);
      break;
    case Kind::SendCtrlArrow:
      if (HWND player = PlayerWindow(mediaOption)) {
        SendCtrlArrow(player, action.value);
      }
      break;
    case Kind::PostSpace:
      if (HWND player = PlayerWindow(mediaOption)) {
        PostSpace(player);
      }
      break;
    case Kind::SendCommand:
      if (HWND player = PlayerWindow(mediaOption)) {
        SendToPlayer(player, WM_COMMAND, action.value, 0);
      }
      break;
  }
}

}  // namespace mouse::win32

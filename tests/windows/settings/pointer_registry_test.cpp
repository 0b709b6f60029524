// The registry side of the pointer settings and ApplyPointerSettings,
// against Wine's real registry and system parameters.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/pointer_settings.h"
#include "settings/win32/apply_pointer_settings.h"
#include "settings/win32/registry_pointer_store.h"

namespace mouse::win32 {
namespace {

std::wstring ReadText(const wchar_t* keyPath, const wchar_t* name, DWORD* type = nullptr) {
  wchar_t buffer[64] = {};
  DWORD size = sizeof buffer;
  DWORD kind = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath, name, RRF_RT_ANY, &kind, buffer, &size) !=
      ERROR_SUCCESS) {
    return L"<missing>";
  }
  if (type) *type = kind;
  return buffer;
}

void SetText(const wchar_t* keyPath, const wchar_t* name, const wchar_t* value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, REG_SZ, value,
                  static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

ProfileRecord DefaultProfile() {
  ProfileRecord profile;
  std::memset(&profile, 0, sizeof profile);
  ResetProfileDefaults(profile, 0);
  return profile;
}

constexpr const wchar_t* kMouse = L"Control Panel\\Mouse";
constexpr const wchar_t* kDesktop = L"Control Panel\\Desktop";

TEST(RegistryPointerStore, WritesTextValuesUnderTheCurrentUser) {
  RegistryPointerStore store;
  ProfileRecord profile = DefaultProfile();
  profile.DbleClickSpeed = 431;
  profile.MouseSpeed = 13;
  profile.AccelerationFlag = 1;
  profile.Acceleration = 25;
  profile.ScrollWheelFlag = 1;
  ASSERT_EQ(WritePointerSettings(store, profile), 1);
  DWORD type = 0;
  EXPECT_EQ(ReadText(kMouse, L"DoubleClickSpeed", &type), L"431");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadText(kMouse, L"MouseSensitivity"), L"13");
  EXPECT_EQ(ReadText(kMouse, L"MouseSpeed"), L"2");
  EXPECT_EQ(ReadText(kMouse, L"MouseThreshold1"), L"4");
  EXPECT_EQ(ReadText(kMouse, L"MouseThreshold2"), L"5");
  EXPECT_EQ(ReadText(kDesktop, L"WheelScrollLines"), L"-1");
}

TEST(RegistryPointerStore, ReadsTheLiveValuesBack) {
  SetText(kMouse, L"DoubleClickSpeed", L"  612");
  SetText(kMouse, L"MouseSensitivity", L"8");
  SetText(kMouse, L"MouseSpeed", L"1");
  SetText(kMouse, L"MouseThreshold1", L"5");
  SetText(kMouse, L"MouseThreshold2", L"0");
  SetText(kDesktop, L"WheelScrollLines", L"9");
  RegistryPointerStore store;
  ProfileRecord profile = DefaultProfile();
  ASSERT_EQ(ReadPointerSettings(store, profile), 1);
  EXPECT_EQ(profile.DbleClickSpeed, 612);
  EXPECT_EQ(profile.MouseSpeed, 8);
  EXPECT_EQ(profile.Acceleration, 9);
  EXPECT_EQ(profile.AccelerationFlag, 1);
  EXPECT_EQ(profile.ScrollWheelSpeed, 9);
  EXPECT_EQ(profile.ScrollWheelFlag, 0);
}

TEST(RegistryPointerStore, AMissingValueLeavesItsField) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kMouse, L"DoubleClickSpeed");
  RegistryPointerStore store;
  ProfileRecord profile = DefaultProfile();
  profile.DbleClickSpeed = 777;
  ReadPointerSettings(store, profile);
  EXPECT_EQ(profile.DbleClickSpeed, 777);
}

class ApplyPointerSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"apply-test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kMouse, 0, KEY_ALL_ACCESS, &mouseKey_),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(mouseKey_);
    DestroyWindow(window_);
    SwapMouseButton(FALSE);
  }
  HWND window_ = nullptr;
  HKEY mouseKey_ = nullptr;
};

TEST_F(ApplyPointerSettingsTest, PutsTheProfileIntoEffect) {
  SetText(kMouse, L"MouseSpeed", L"2");
  SetText(kMouse, L"MouseThreshold1", L"4");
  SetText(kMouse, L"MouseThreshold2", L"8");
  ProfileRecord profile = DefaultProfile();
  profile.DbleClickSpeed = 345;
  profile.Orientation = 1;
  profile.MouseSpeed = 15;
  profile.AccelerationFlag = 1;
  profile.Acceleration = 16;
  profile.ScrollWheelSpeed = 6;
  ApplyPointerSettings(profile, mouseKey_, window_);

  EXPECT_EQ(GetDoubleClickTime(), 345u);
  EXPECT_NE(GetSystemMetrics(SM_SWAPBUTTON), 0);
  int mouse[3] = {};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0));
  EXPECT_EQ(mouse[0], 4);
  EXPECT_EQ(mouse[1], 8);
  EXPECT_EQ(mouse[2], 2);
  int speed = 0;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0));
  EXPECT_EQ(speed, 15);
  UINT lines = 0;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
  EXPECT_EQ(lines, 6u);
  EXPECT_EQ(profile.Acceleration, 16) << "acceleration on: the profile keeps its row";
}

TEST_F(ApplyPointerSettingsTest, AccelerationOffClearsLeftoverRegistryValues) {
  SetText(kMouse, L"MouseSpeed", L"1");
  SetText(kMouse, L"MouseThreshold1", L"6");
  SetText(kMouse, L"MouseThreshold2", L"10");
  ProfileRecord profile = DefaultProfile();
  profile.AccelerationFlag = 0;
  profile.Acceleration = 12;
  profile.ScrollWheelFlag = 1;
  ApplyPointerSettings(profile, mouseKey_, window_);

  EXPECT_EQ(profile.Acceleration, 0);
  EXPECT_EQ(ReadText(kMouse, L"MouseSpeed"), L"0");
  EXPECT_EQ(ReadText(kMouse, L"MouseThreshold1"), L"0");
  EXPECT_EQ(ReadText(kMouse, L"MouseThreshold2"), L"0");
  int mouse[3] = {-1, -1, -1};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0));
  EXPECT_EQ(mouse[0] | mouse[1] | mouse[2], 0);
  UINT lines = 0;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
  EXPECT_EQ(lines, WHEEL_PAGESCROLL);
  EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 0);
}

}  // namespace
}  // namespace mouse::win32

// The settings block: the whole configuration of the mouse as one plain,
// fixed-size record. Both programs exchange it byte for byte through the
// shared mapping, so its layout is a cross-process format: every field's
// order, width and signedness, the reserved bytes and the total size are
// binding. All values are little-endian, strings are UTF-16 code units
// (char16_t, so the layout is the same on every compiler) NUL-terminated
// inside their arrays.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace mouse {

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonCount = 15;
inline constexpr int kCpiLevelCount = 5;
inline constexpr int kMaxMacroEvents = 40;

inline constexpr int kProfileNameLength = 250;  // characters incl. NUL
inline constexpr int kGameFileLength = 500;     // characters incl. NUL
inline constexpr int kMacroNameLength = 20;     // characters incl. NUL
inline constexpr int kProgramPathLength = 261;  // characters incl. NUL

// MacroEvent::Key values of the mouse buttons (the others are HID keyboard
// usage ids).
inline constexpr std::uint8_t kMouseKeyLeft = 0xF1;
inline constexpr std::uint8_t kMouseKeyRight = 0xF2;
inline constexpr std::uint8_t kMouseKeyMiddle = 0xF3;
inline constexpr std::uint8_t kMouseKeyButton4 = 0xF4;
inline constexpr std::uint8_t kMouseKeyButton5 = 0xF5;

inline constexpr std::uint8_t kActionPress = 1;
inline constexpr std::uint8_t kActionRelease = 2;

// One macro event: a key or mouse button, pressed or released, and the
// pause in milliseconds that follows it.
struct MacroEvent {
  std::uint8_t Key;
  std::uint8_t Action;
  std::uint16_t Delay;
};

// What one physical button does. Stored in the profile files as one raw
// byte record, so this layout is also a file format.
struct MacroKeyInfo {
  std::uint8_t ButtonIndex;
  std::uint8_t FunctionCode;
  char16_t MacroName[kMacroNameLength];
  std::uint8_t Reserved[2];
  std::int32_t MacroParam;
  std::uint16_t EventCount;
  MacroEvent Events[kMaxMacroEvents];
  char16_t ProgramPath[kProgramPathLength];
};

struct ProfileRecord {
  char16_t ProFileName[kProfileNameLength];
  char16_t GameFile[kGameFileLength];
  std::int32_t DbleClickSpeed;
  std::int32_t ScrollWheelSpeed;
  std::int32_t ScrollWheelFlag;
  std::int32_t MouseSpeed;
  std::int32_t Acceleration;
  std::int32_t AccelerationFlag;
  std::int32_t TiltSpeed;
  std::int32_t MediaOption;
  std::int32_t HDDKeyboard;
  std::int32_t Orientation;
  std::int32_t XYSynchronous;
  std::int32_t Sensitivity_X;
  std::int32_t Sensitivity_Y;
  std::int32_t Cpi_X;
  std::int32_t Cpi_Y;
  std::int32_t XYCpiFlag;
  std::int32_t CpiLevel_X[kCpiLevelCount];
  std::int32_t CpiLevel_Y[kCpiLevelCount];
  std::int32_t CpiStep;
  std::int32_t PollingRate;
  std::int32_t LiftSwitch;
  std::int32_t LiftLevel;
  std::int32_t LightSwitch;
  std::int32_t LightType;
  std::int32_t ColorFlag;
  std::int32_t ColorOptions;
  std::int32_t ColorChangeMode;
  std::int32_t BTOption;
  std::int32_t OTGSpeed;
  std::uint8_t dpiStepFlag[kCpiLevelCount];
  std::uint8_t dpiIndicator[kCpiLevelCount];
  std::uint8_t DpiIndicationType;
  std::uint8_t Reserved1;
  std::int32_t CpiXDefault;
  std::int32_t CpiYDefault;
  std::uint8_t BtnConfiguration;
  std::uint8_t Color1Type;
  std::uint8_t Color2Type;
  std::uint8_t LightEffectSwitch1;
  std::uint8_t LightEffectSwitch2;
  std::uint8_t LightEffectType1;
  std::uint8_t LightEffectType2;
  std::uint8_t ColorOptions1;
  std::uint8_t ColorOptions2;
  std::uint8_t ColorChangeModeOptions1;
  std::uint8_t ColorChangeModeOptions2;
  std::uint8_t FireOrOnToGoStatusIndicatorSetting;
  std::uint8_t ProfileSwitchIndictor;
  std::uint8_t Reserved2[3];
  mouse::MacroKeyInfo MacroKeyInfo[kButtonCount];
};

struct SettingsBlock {
  std::int32_t CurrentProfile;
  ProfileRecord Profiles[kProfileCount];
  std::int32_t MouseType;
  std::int32_t MouseColor;
  // Change tracking: what Option changed since its last apply.
  std::int32_t ButtonDirty[kProfileCount][kButtonCount];
  std::int32_t SettingsDirty[kProfileCount];
  std::int32_t OtgDirty[kProfileCount];
  std::int32_t ProfileDirty;
};

inline constexpr std::size_t kSettingsBlockSize = 63676;
inline constexpr std::size_t kChangeTrackingSize = 344;

static_assert(std::endian::native == std::endian::little, "the block is little-endian");
static_assert(sizeof(MacroEvent) == 4);
static_assert(sizeof(MacroKeyInfo) == 732);
static_assert(offsetof(MacroKeyInfo, FunctionCode) == 1);
static_assert(offsetof(MacroKeyInfo, MacroName) == 2);
static_assert(offsetof(MacroKeyInfo, Reserved) == 42);
static_assert(offsetof(MacroKeyInfo, MacroParam) == 44);
static_assert(offsetof(MacroKeyInfo, EventCount) == 48);
static_assert(offsetof(MacroKeyInfo, Events) == 50);
static_assert(offsetof(MacroKeyInfo, ProgramPath) == 210);
static_assert(sizeof(ProfileRecord) == 12664);
static_assert(offsetof(ProfileRecord, GameFile) == 500);
static_assert(offsetof(ProfileRecord, DbleClickSpeed) == 1500);
static_assert(offsetof(ProfileRecord, CpiLevel_X) == 1564);
static_assert(offsetof(ProfileRecord, OTGSpeed) == 1644);
static_assert(offsetof(ProfileRecord, dpiStepFlag) == 1648);
static_assert(offsetof(ProfileRecord, Reserved1) == 1659);
static_assert(offsetof(ProfileRecord, CpiXDefault) == 1660);
static_assert(offsetof(ProfileRecord, BtnConfiguration) == 1668);
static_assert(offsetof(ProfileRecord, ProfileSwitchIndictor) == 1680);
static_assert(offsetof(ProfileRecord, Reserved2) == 1681);
static_assert(offsetof(ProfileRecord, MacroKeyInfo) == 1684);
static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(offsetof(SettingsBlock, Profiles) == 4);
static_assert(offsetof(SettingsBlock, MouseType) == 63324);
static_assert(offsetof(SettingsBlock, ButtonDirty) == kSettingsBlockSize - kChangeTrackingSize);
static_assert(offsetof(SettingsBlock, ProfileDirty) == kSettingsBlockSize - 4);

// Default FunctionCode of each button slot.
inline constexpr std::uint8_t kDefaultButtonCodes[kButtonCount] = {1, 2, 3, 7, 8, 13, 0, 21,
                                                                   0, 0, 0, 0, 0, 9,  10};
// Default ProfileSwitchIndictor of each profile; the mouse shows this code
// for the profile, and the settings report carries the same sequence.
inline constexpr std::uint8_t kProfileIndicatorCodes[kProfileCount] = {1, 3, 2, 5, 4};

// CurrentProfile = -1, every other byte 0.
void InitBlock(SettingsBlock& block);

// Fills one profile with its defaults; index 0..4 selects the default
// ProfileSwitchIndictor. Fields without a default keep their value.
void ResetProfileDefaults(ProfileRecord& profile, int index);

// CurrentProfile = 0 and every profile reset to its defaults.
void ResetAllDefaults(SettingsBlock& block);

// Sets SettingsDirty, OtgDirty and ProfileDirty of the working block by
// comparing it with the last applied one. ButtonDirty is not touched.
void ComputeDirty(const SettingsBlock& lastApplied, SettingsBlock& working);

// Sets every flag of the change-tracking area to 1.
void MarkAllDirty(SettingsBlock& block);

// Clears ButtonDirty, SettingsDirty and OtgDirty; ProfileDirty stays.
void ClearDirty(SettingsBlock& block);

// True when index is a valid profile index 0..4.
constexpr bool IsProfileIndex(std::int32_t index) { return index >= 0 && index < kProfileCount; }

}  // namespace mouse

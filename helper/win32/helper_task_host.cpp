#include "helper/win32/helper_task_host.h"

#include "framework/text.h"
#include "settings/coordination.h"
#include "settings/win32/wide.h"

namespace mouse::win32 {

void PostProfileToDisplay(int profile) {
  framework::PostToWindowByTitle(WidePtr(kOsdWindowTitle), kMsgOsdShow, kOsdShowProfile,
                                 static_cast<LPARAM>(profile) << 16);
}

void HelperTaskHost::SaveConfiguration(const SettingsBlock& block) {
  mouse::SaveConfiguration(block, files_);
}

void HelperTaskHost::PublishBlock(const SettingsBlock& block) {
  if (shared_ != nullptr) {
    shared_->CopyIn(block);
  }
}

void HelperTaskHost::WriteFirmwareVersion(int version) {
  WriteConfigInt(files_, kSettingSection, u"FWVersion", version);
}

bool HelperTaskHost::PostToOption(unsigned message) {
  return framework::PostToWindowByTitle(WidePtr(kOptionWindowTitle), message);
}

void HelperTaskHost::ShowProfileOnDisplay(int profile) {
  if (displayShowsProfile_) {
    PostProfileToDisplay(profile);
  }
}

}  // namespace mouse::win32

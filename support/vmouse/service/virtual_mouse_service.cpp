#include "support/vmouse/service/virtual_mouse_service.h"

#include "support/vmouse/firmware/memory_dump.h"

namespace mouse::vmouse {

namespace {

FlashLoad LoadOrFactory(const std::filesystem::path& path) {
  return path.empty() ? FlashLoad{FactoryMemory(), FlashState::kMissing} : LoadFlash(path);
}

}  // namespace

VirtualMouseService::VirtualMouseService(const Clock& clock, FirmwareOptions options,
                                         std::filesystem::path flashPath)
    : VirtualMouseService(clock, options, flashPath, LoadOrFactory(flashPath)) {}

VirtualMouseService::VirtualMouseService(const Clock& clock, FirmwareOptions options,
                                         std::filesystem::path flashPath, const FlashLoad& load)
    : model_(clock, options, load.Memory),
      flashPath_(std::move(flashPath)),
      flashAtStart_(load.State) {
  savedRevision_ = model_.Revision();
  if (load.State != FlashState::kLoaded && !flashPath_.empty()) {
    SaveFlash(flashPath_, model_.Memory());
  }
}

bool VirtualMouseService::SetFeature(const std::uint8_t* report, std::size_t length) {
  std::lock_guard lock(mutex_);
  if (!plugged_) {
    return false;
  }
  const bool taken = model_.SetFeature(report, length);
  AfterChange();
  return taken;
}

bool VirtualMouseService::GetFeature(std::uint8_t* report, std::size_t length) {
  std::lock_guard lock(mutex_);
  return plugged_ && model_.GetFeature(report, length);
}

bool VirtualMouseService::Plugged() const {
  std::lock_guard lock(mutex_);
  return plugged_;
}

bool VirtualMouseService::HostPresent() const {
  std::lock_guard lock(mutex_);
  return model_.Memory().HostPresent != 0;
}

void VirtualMouseService::SetPlugged(bool plugged) {
  std::lock_guard lock(mutex_);
  if (plugged_ == plugged) {
    return;
  }
  plugged_ = plugged;
  Raise({MouseEvent::Kind::kPlug, 0, static_cast<std::uint16_t>(plugged ? 1 : 0)});
  AfterChange();
}

bool VirtualMouseService::Press(const MouseButton& button) {
  std::lock_guard lock(mutex_);
  if (!plugged_) {
    return false;
  }
  for (const MouseNotice& notice : model_.Press(button)) {
    Raise({MouseEvent::Kind::kNotice, notice.Type, notice.Value});
  }
  AfterChange();
  return true;
}

void VirtualMouseService::Reset() {
  std::lock_guard lock(mutex_);
  model_.ResetToFactory();
  AfterChange();
}

std::vector<std::string> VirtualMouseService::Dump() const {
  std::lock_guard lock(mutex_);
  return DumpMemory(model_.Memory());
}

MouseSnapshot VirtualMouseService::Snapshot() const {
  std::lock_guard lock(mutex_);
  return {plugged_, model_.Memory(), model_.RecentCommands(), model_.Status()};
}

int VirtualMouseService::Subscribe(EventSink sink) {
  std::lock_guard lock(mutex_);
  const int id = nextSinkId_++;
  sinks_.emplace(id, std::move(sink));
  return id;
}

void VirtualMouseService::Unsubscribe(int id) {
  std::lock_guard lock(mutex_);
  sinks_.erase(id);
}

void VirtualMouseService::SetChangeListener(std::function<void()> listener) {
  std::lock_guard lock(mutex_);
  listener_ = std::move(listener);
}

void VirtualMouseService::Raise(const MouseEvent& event) {
  for (auto& [id, sink] : sinks_) {
    sink(event);
  }
}

// Saves the memory when it changed and tells the live view.
void VirtualMouseService::AfterChange() {
  if (model_.Revision() != savedRevision_ && !flashPath_.empty()) {
    SaveFlash(flashPath_, model_.Memory());
  }
  savedRevision_ = model_.Revision();
  if (listener_) {
    listener_();
  }
}

}  // namespace mouse::vmouse

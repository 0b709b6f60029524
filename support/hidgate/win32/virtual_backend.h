// hidgate's virtual backend: the mouse is VirtualMouse.exe, reached over its
// named pipe. Feature transfers go over one connection, one transaction
// each; a monitor thread holds a second, subscribed connection and turns
// the virtual mouse's notices and plug changes into posted messages.
// The virtual mouse's program ending counts as the mouse being detached,
// its start (plugged in) as attached.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

#include "device/hid_link.h"
#include "support/vmouse/win32/pipe_client.h"

namespace mouse::hidgate::win32 {

class VirtualBackend final : public HidLink {
 public:
  explicit VirtualBackend(std::u16string pipeName);
  ~VirtualBackend() override;

  void OpenDevMonitor(WindowHandle window, unsigned noticeMessage,
                      unsigned arrivalMessage) override;
  void CloseDevMonitor() override;
  bool OpenFeatureDevice() override;
  void CloseFeatureDevice() override;
  bool SetFeature(const std::uint8_t* report, std::size_t length) override;
  bool GetFeature(std::uint8_t* report, std::size_t length) override;

 private:
  struct Monitor;
  std::optional<vmouse::PipeResponse> Transact(const std::string& request);

  const std::u16string pipeName_;
  std::mutex featureMutex_;
  std::unique_ptr<vmouse::win32::PipeClient> feature_;
  std::mutex monitorMutex_;
  std::unique_ptr<Monitor> monitor_;
};

}  // namespace mouse::hidgate::win32

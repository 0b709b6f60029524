#pragma once

#include "framework/app.h"
#include "support/osd/win32/osd_window.h"

namespace mouse::osd {

// One display per session: a second start ends at once. At start the
// display settings record of config.ini is read, and written with its
// defaults when it is missing or unreadable.
class COsdApp : public framework::App {
 protected:
  bool InitInstance() override;

 private:
  COsdWnd window_;
};

}  // namespace mouse::osd

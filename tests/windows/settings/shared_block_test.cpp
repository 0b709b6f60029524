// The shared block across two processes, under Wine's real kernel objects.
#include "settings/win32/shared_block.h"

#include <windows.h>

#include <aclapi.h>
#include <gtest/gtest.h>

#include <string>

#include "settings/coordination.h"
#include "settings/fixed_text.h"
#include "settings/win32/wide.h"
#include "temp_folder.h"

namespace mouse::win32 {
namespace {

std::wstring PeerPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"shared_block_peer.exe";
}

// Runs the peer and returns its exit code; -1 when it did not end in time.
int RunPeer(const std::wstring& arguments, DWORD timeoutMs = 10000) {
  std::wstring commandLine = L"\"" + PeerPath() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -2;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 99);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

std::string ReadFile(const std::filesystem::path& path) {
  return ::mouse::testing::ReadBytes(path);
}

class SharedBlockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = SharedBlock::Create();
    ASSERT_NE(host_, nullptr);
    ASSERT_TRUE(host_->HasView());
    InitBlock(published_);
    ResetAllDefaults(published_);
    published_.CurrentProfile = 3;
    SetFixedText(published_.Profiles[0].ProFileName, u"Helper \u00E9\u4E2D");
    ASSERT_TRUE(host_->CopyIn(published_));
  }
  std::unique_ptr<SharedBlock> host_;
  SettingsBlock published_;
};

TEST_F(SharedBlockTest, AnotherProcessSeesWhatHelperPublished) {
  ::mouse::testing::TempFolder folder;
  const auto out = folder / "read.txt";
  ASSERT_EQ(RunPeer(L"read \"" + out.wstring() + L"\""), 0);
  EXPECT_EQ(ReadFile(out), "3 Helper \xC3\xA9\xE4\xB8\xAD");
}

TEST_F(SharedBlockTest, HelperSeesWhatAnotherProcessWrote) {
  ASSERT_EQ(RunPeer(L"write 4"), 0);
  SettingsBlock taken;
  ASSERT_TRUE(host_->CopyOut(taken));
  EXPECT_EQ(taken.CurrentProfile, 4);
  EXPECT_EQ(std::u16string(FixedText(taken.Profiles[0].ProFileName)), u"peer");
  EXPECT_EQ(taken.Profiles[1].DbleClickSpeed, 500) << "the rest of the block came along";
}

TEST_F(SharedBlockTest, ASecondHelperCannotCreateTheBlock) {
  EXPECT_EQ(SharedBlock::Create(), nullptr);
  auto option = SharedBlock::Open();
  ASSERT_NE(option, nullptr);
  EXPECT_TRUE(option->HasView());
}

TEST_F(SharedBlockTest, AnAbandonedMutexIsTakenOverAndReleased) {
  ASSERT_EQ(RunPeer(L"abandon"), 0);
  SettingsBlock taken;
  EXPECT_TRUE(host_->CopyOut(taken)) << "an abandoned mutex counts as acquired";
  EXPECT_EQ(taken.CurrentProfile, 3);
  // Had the copy kept the mutex, the peer would now wait for ever.
  EXPECT_EQ(RunPeer(L"write 1", 5000), 0);
  ASSERT_TRUE(host_->CopyOut(taken));
  EXPECT_EQ(taken.CurrentProfile, 1);
}

TEST_F(SharedBlockTest, OnlyTheCurrentUserHasAccess) {
  HANDLE mapping = OpenFileMappingW(READ_CONTROL, FALSE, WidePtr(kSharedBlockMapping));
  ASSERT_NE(mapping, nullptr);
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetSecurityInfo(mapping, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_NE(dacl, nullptr) << "a null access list would let anyone write the block";
  EXPECT_EQ(dacl->AceCount, 1);
  ACCESS_ALLOWED_ACE* ace = nullptr;
  ASSERT_TRUE(GetAce(dacl, 0, reinterpret_cast<void**>(&ace)));
  EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);

  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  BYTE buffer[256];
  DWORD size = 0;
  ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size));
  CloseHandle(token);
  EXPECT_TRUE(EqualSid(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &ace->SidStart));
  LocalFree(descriptor);
  CloseHandle(mapping);
}

TEST(SharedBlockWithoutHelper, OpeningFindsNothing) {
  bool viewFailed = true;
  EXPECT_EQ(SharedBlock::Open(&viewFailed), nullptr);
  EXPECT_FALSE(viewFailed);
}

}  // namespace
}  // namespace mouse::win32

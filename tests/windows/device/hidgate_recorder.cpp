// Built twice: as "hidgate.dll" with all six entry points, and with
// HIDGATE_RECORDER_WITHOUT_GET_FEATURE as a library that lacks one.
#define HIDGATE_BUILDING_DLL
#include "hidgate_recorder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex mutex;
std::string record;
std::vector<unsigned char> answer;
int results = 1;
int scribble = 0;

void Append(const std::string& line) {
  std::lock_guard lock(mutex);
  record += line;
  record += '\n';
}

std::string Hex(const unsigned char* bytes, int length) {
  std::string text;
  char digits[4];
  for (int i = 0; i < length; ++i) {
    std::snprintf(digits, sizeof digits, " %02X", bytes[i]);
    text += digits;
  }
  return text;
}

}  // namespace

extern "C" {

HIDGATE_API int HIDGATE_CALL Open_DevMonitor(void* window, int noticeMessage, int arrivalMessage) {
  char line[96];
  std::snprintf(line, sizeof line, "Open_DevMonitor %llx %d %d",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)),
                noticeMessage, arrivalMessage);
  Append(line);
  return 1;
}

HIDGATE_API int HIDGATE_CALL Close_DevMonitor(void) {
  Append("Close_DevMonitor");
  return 1;
}

HIDGATE_API int HIDGATE_CALL Open_FeatureDevice(void) {
  Append("Open_FeatureDevice");
  return results;
}

HIDGATE_API int HIDGATE_CALL Close_FeatureDevice(void) {
  Append("Close_FeatureDevice");
  return 1;
}

HIDGATE_API int HIDGATE_CALL SetFeature(unsigned char* report, int length) {
  Append("SetFeature" + Hex(report, length));
  if (scribble != 0) {
    std::memset(report, 0xEE, static_cast<std::size_t>(length));
  }
  return results;
}

#ifndef HIDGATE_RECORDER_WITHOUT_GET_FEATURE
HIDGATE_API int HIDGATE_CALL GetFeature(unsigned char* report, int length) {
  Append("GetFeature" + Hex(report, 1) + " length " + std::to_string(length));
  if (results != 0) {
    std::lock_guard lock(mutex);
    std::copy_n(answer.begin(), std::min<std::size_t>(answer.size(), length), report);
  }
  return results;
}
#endif

HIDGATE_API int HIDGATE_CALL Recorder_ReadLog(char* out, int size) {
  std::lock_guard lock(mutex);
  if (size > 0) {
    const std::size_t n = std::min<std::size_t>(record.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(out, record.data(), n);
    out[n] = '\0';
  }
  return static_cast<int>(record.size());
}

HIDGATE_API void HIDGATE_CALL Recorder_Reset(void) {
  std::lock_guard lock(mutex);
  record.clear();
  answer.clear();
  results = 1;
  scribble = 0;
}

HIDGATE_API void HIDGATE_CALL Recorder_SetResults(int result) { results = result; }

HIDGATE_API void HIDGATE_CALL Recorder_SetAnswer(const unsigned char* bytes, int length) {
  std::lock_guard lock(mutex);
  answer.assign(bytes, bytes + length);
}

HIDGATE_API void HIDGATE_CALL Recorder_SetScribble(int value) { scribble = value; }

}  // extern "C"

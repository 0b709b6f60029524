// A stand-in for the HID access library that records every call. Besides
// the six entry points it exports a few functions through which a test
// reads the record and sets the answers.
#pragma once

#include "device/hidgate_api.h"

extern "C" {
// Copies the record ("Open_DevMonitor 0x... 1325 1326\n", "SetFeature 06 25
// ...\n", ...) into `out` (NUL-terminated); returns its full length.
typedef int(HIDGATE_CALL* Recorder_ReadLogFn)(char* out, int size);
typedef void(HIDGATE_CALL* Recorder_ResetFn)(void);
// What Open_FeatureDevice, SetFeature and GetFeature return, and the bytes
// GetFeature copies into the caller's buffer.
typedef void(HIDGATE_CALL* Recorder_SetResultsFn)(int result);
typedef void(HIDGATE_CALL* Recorder_SetAnswerFn)(const unsigned char* bytes, int length);
// When set, SetFeature overwrites the buffer it was given with 0xEE.
typedef void(HIDGATE_CALL* Recorder_SetScribbleFn)(int scribble);
}

#define RECORDER_READ_LOG_NAME "Recorder_ReadLog"
#define RECORDER_RESET_NAME "Recorder_Reset"
#define RECORDER_SET_RESULTS_NAME "Recorder_SetResults"
#define RECORDER_SET_ANSWER_NAME "Recorder_SetAnswer"
#define RECORDER_SET_SCRIBBLE_NAME "Recorder_SetScribble"

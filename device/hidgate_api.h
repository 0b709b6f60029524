/* The six entry points of the HID access library "hidgate.dll", exactly as
 * Helper looks them up by name and calls them. Plain C so that the library
 * and every test double can be built against this one header.
 *
 * Calling convention: C (__cdecl; the caller removes the arguments). Every
 * integer is a 32-bit int; results are nonzero for success.
 *
 *   int Open_DevMonitor(void* window, int noticeMessage, int arrivalMessage)
 *       `window` is the HWND that receives the messages, passed as a
 *       pointer-size handle (an HWND converts to void* without a cast).
 *       From then on the library posts `noticeMessage` for each notice of
 *       the mouse (wParam = 16-bit notice type, lParam = value, low 16 bits
 *       used) and `arrivalMessage` with wParam 1 when the mouse is attached
 *       and 0 when it is detached. Result ignored.
 *   int Close_DevMonitor(void)       no further messages. Result ignored.
 *   int Open_FeatureDevice(void)     nonzero = the feature interface is open.
 *   int Close_FeatureDevice(void)    Result ignored.
 *   int SetFeature(unsigned char* report, int length)
 *       sends `length` bytes as one feature report; byte 0 is the report
 *       id. Nonzero = sent. The library does not change the buffer.
 *   int GetFeature(unsigned char* report, int length)
 *       the caller puts the report id in byte 0; on success the buffer
 *       holds the report of that length, byte 0 still the id.
 *
 * The library is built with HIDGATE_BUILDING_DLL defined, which exports the
 * functions declared below; callers load it at run time and use the
 * pointer types.
 */
#ifndef MOUSE_DEVICE_HIDGATE_API_H
#define MOUSE_DEVICE_HIDGATE_API_H

#if defined(_WIN32)
#define HIDGATE_CALL __cdecl
#if defined(HIDGATE_BUILDING_DLL)
#define HIDGATE_API __declspec(dllexport)
#else
#define HIDGATE_API
#endif
#else
#define HIDGATE_CALL
#define HIDGATE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int(HIDGATE_CALL* Hidgate_Open_DevMonitor)(void* window, int noticeMessage,
                                                   int arrivalMessage);
typedef int(HIDGATE_CALL* Hidgate_Close_DevMonitor)(void);
typedef int(HIDGATE_CALL* Hidgate_Open_FeatureDevice)(void);
typedef int(HIDGATE_CALL* Hidgate_Close_FeatureDevice)(void);
typedef int(HIDGATE_CALL* Hidgate_SetFeature)(unsigned char* report, int length);
typedef int(HIDGATE_CALL* Hidgate_GetFeature)(unsigned char* report, int length);

/* The names under which the entry points are exported. */
#define HIDGATE_OPEN_DEV_MONITOR_NAME "Open_DevMonitor"
#define HIDGATE_CLOSE_DEV_MONITOR_NAME "Close_DevMonitor"
#define HIDGATE_OPEN_FEATURE_DEVICE_NAME "Open_FeatureDevice"
#define HIDGATE_CLOSE_FEATURE_DEVICE_NAME "Close_FeatureDevice"
#define HIDGATE_SET_FEATURE_NAME "SetFeature"
#define HIDGATE_GET_FEATURE_NAME "GetFeature"

/* The library file, found in the program folder. */
#define HIDGATE_LIBRARY_NAME "hidgate.dll"

HIDGATE_API int HIDGATE_CALL Open_DevMonitor(void* window, int noticeMessage, int arrivalMessage);
HIDGATE_API int HIDGATE_CALL Close_DevMonitor(void);
HIDGATE_API int HIDGATE_CALL Open_FeatureDevice(void);
HIDGATE_API int HIDGATE_CALL Close_FeatureDevice(void);
HIDGATE_API int HIDGATE_CALL SetFeature(unsigned char* report, int length);
HIDGATE_API int HIDGATE_CALL GetFeature(unsigned char* report, int length);

#ifdef __cplusplus
}
#endif

#endif /* MOUSE_DEVICE_HIDGATE_API_H */

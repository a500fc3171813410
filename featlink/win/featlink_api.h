/* featlink.dll: the device link to the mouse. Programs load it at run time from their
 * own folder (LoadLibraryA, then GetProcAddress of the seven names below) and declare
 * their function pointers with the types of this header. All functions use the C
 * calling convention and may be called from any thread of any number of processes;
 * every process reaches the same mouse.
 *
 *   Open_DevMonitor      From now on the library posts two messages to `window`:
 *                          eventMessage (1325): wParam event class, lParam event value
 *                          plugMessage  (1326): wParam 1 = mouse arrived, 0 = removed
 *                        One window per process: a second call replaces the first.
 *   Close_DevMonitor     Stops the messages to this process's window.
 *   Open_FeatureDevice   Nonzero when the mouse is there and is now open for transfers.
 *   Close_FeatureDevice  Closes it; transfers fail until it is opened again.
 *   SetFeature           Writes one whole feature report: buffer[0] is the report
 *                        identifier, length the report's exact length. Nonzero when
 *                        the report was written.
 *   GetFeature           Reads one whole feature report into buffer: buffer[0] is the
 *                        identifier asked for. Nonzero when the buffer was filled.
 *   GetMousePID          The mouse's USB product id, 0 when it is not plugged in.
 */
#ifndef TESH_FEATLINK_API_H
#define TESH_FEATLINK_API_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define FEATLINK_CALL __cdecl
#define FEATLINK_DLL_NAME "featlink.dll"

void FEATLINK_CALL Open_DevMonitor(HWND window, UINT eventMessage, UINT plugMessage);
void FEATLINK_CALL Close_DevMonitor(void);
int FEATLINK_CALL Open_FeatureDevice(void);
void FEATLINK_CALL Close_FeatureDevice(void);
int FEATLINK_CALL SetFeature(unsigned char* buffer, int length);
int FEATLINK_CALL GetFeature(unsigned char* buffer, int length);
int FEATLINK_CALL GetMousePID(void);

typedef void(FEATLINK_CALL* Open_DevMonitorFn)(HWND window, UINT eventMessage, UINT plugMessage);
typedef void(FEATLINK_CALL* Close_DevMonitorFn)(void);
typedef int(FEATLINK_CALL* Open_FeatureDeviceFn)(void);
typedef void(FEATLINK_CALL* Close_FeatureDeviceFn)(void);
typedef int(FEATLINK_CALL* SetFeatureFn)(unsigned char* buffer, int length);
typedef int(FEATLINK_CALL* GetFeatureFn)(unsigned char* buffer, int length);
typedef int(FEATLINK_CALL* GetMousePIDFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* TESH_FEATLINK_API_H */

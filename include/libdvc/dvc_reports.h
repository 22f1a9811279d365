/** @file
 * libdvc: reports that a monitor sends on its own (key presses, mode,
 * Tonality, direction and USB selection changes, generic events). */
#ifndef LIBDVC_DVC_REPORTS_H
#define LIBDVC_DVC_REPORTS_H

#include "libdvc/dvc_types.h"

DVC_EXTERN_C_BEGIN

/* The host's callbacks. Each receives the monitor's serial number and model
 * name first and the context given at registration last; they run on the
 * transport's report thread and may call the library (while a discovery,
 * release or report stop is pending such calls fail at once as busy). */
typedef void (*DvValueReportFunc)(const char *serial, const char *model, uint32_t value, void *context);
/* Key numbers of the keys reported pressed (bit numbers 0 to 15, ascending);
 * null and 0 when none. The list is valid during the call only. */
typedef void (*DvKeyReportFunc)(const char *serial, const char *model, const uint32_t *keys, uint32_t count,
                                void *context);
/* The selected upstream ports; 255 for a byte the report does not carry. */
typedef void (*DvUSBSelectionReportFunc)(const char *serial, const char *model, uint32_t first, uint32_t second,
                                         void *context);
/* Generic events and the end of the report stream. */
typedef void (*DvEventReportFunc)(const char *serial, const char *model, void *context);

/**@{*/
/** @brief Register the callback for virtual key reports and for the multi-function keys' reports. Each
 * registration replaces the monitor's callback of that kind.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param func the callback; null keeps reports of that kind from reaching the host
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForVirtualKeyReport(const char *id1, const char *id2, DvKeyReportFunc func,
                                                          void *context);
DVC_API DvError DvCtrlRegisterCallbackForVirtualKeyMFReport(const char *id1, const char *id2, DvKeyReportFunc func,
                                                            void *context);
/**@}*/
/** @brief Registers the callback for Tonality reports (value: the report's 16-bit value); it replaces the
 * monitor's callback of that kind.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param func the callback; null keeps reports of that kind from reaching the host
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForTonalityReport(const char *id1, const char *id2, DvValueReportFunc func,
                                                        void *context);
/** @brief Registers the callback for colour mode reports (value: the report's first byte); it replaces the
 * monitor's callback of that kind.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param func the callback; null keeps reports of that kind from reaching the host
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForModeReport(const char *id1, const char *id2, DvValueReportFunc func,
                                                    void *context);
/**@{*/
/** @brief Register the callbacks for direction (orientation) reports (value: the report's first byte) and
 * for USB selection reports. Each registration replaces the monitor's callback of that kind.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param func the callback; null keeps reports of that kind from reaching the host
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForMonitorDirectionReport(const char *id1, const char *id2,
                                                                DvValueReportFunc func, void *context);
DVC_API DvError DvCtrlRegisterCallbackForUSBSelectionReport(const char *id1, const char *id2,
                                                            DvUSBSelectionReportFunc func, void *context);
/**@}*/
/** @brief Adds a callback for generic events whose event word shares a bit with `mask`; a callback
 * registered before with an equal mask is replaced and the new one goes last.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mask the event bits of interest
 * @param func the callback; null keeps reports of that kind from reaching the host
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed after DvCtrlUnregisterCallbackAll, or the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForGenericReport(const char *id1, const char *id2, uint32_t mask,
                                                       DvEventReportFunc func, void *context);
/** @brief Registers the callback that is called once when the report stream of the monitor ends.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param func the callback; null: none
 * @param context passed to the callback as its last argument
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlRegisterCallbackForTeardownReport(const char *id1, const char *id2, DvEventReportFunc func,
                                                        void *context);
/** @brief Forgets every callback of the monitor, the generic ones for good.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrFailed the monitor is not known, or the library is busy */
DVC_API DvError DvCtrlUnregisterCallbackAll(const char *id1, const char *id2);
/** @brief Starts the monitor's reports (USB HID only).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotImplemented no path of the monitor carries reports
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed */
DVC_API DvError DvCtrlStartReport(const char *id1, const char *id2);
/** @brief Waits for reports being delivered, then stops the monitor's reports; the teardown callback runs
 * before it returns.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotImplemented no path of the monitor carries reports
 * @retval DvErrFailed called from a report callback, the monitor is not known, the library is busy, or the
 *         transport failed */
DVC_API DvError DvCtrlStopReport(const char *id1, const char *id2);
/** @brief Nonzero when the monitor sends generic event reports.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when it does; 0 when it does not, or the call failed */
DVC_API int DvCtrlSupportedGenericReport(const char *id1, const char *id2);

DVC_EXTERN_C_END

#endif

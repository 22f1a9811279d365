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
/** Each registration replaces the monitor's callback of that kind; a null
 * function keeps reports of that kind from reaching the host. */
DVC_API DvError DvCtrlRegisterCallbackForVirtualKeyReport(const char *id1, const char *id2, DvKeyReportFunc func,
                                                          void *context);
DVC_API DvError DvCtrlRegisterCallbackForVirtualKeyMFReport(const char *id1, const char *id2, DvKeyReportFunc func,
                                                            void *context);
/**@}*/
/** Tonality: the report's 16-bit value. */
DVC_API DvError DvCtrlRegisterCallbackForTonalityReport(const char *id1, const char *id2, DvValueReportFunc func,
                                                        void *context);
/** Colour mode: the report's first byte. */
DVC_API DvError DvCtrlRegisterCallbackForModeReport(const char *id1, const char *id2, DvValueReportFunc func,
                                                    void *context);
/**@{*/
/** Direction (orientation): the report's first byte. */
DVC_API DvError DvCtrlRegisterCallbackForMonitorDirectionReport(const char *id1, const char *id2,
                                                                DvValueReportFunc func, void *context);
DVC_API DvError DvCtrlRegisterCallbackForUSBSelectionReport(const char *id1, const char *id2,
                                                            DvUSBSelectionReportFunc func, void *context);
/**@}*/
/** Adds a callback for generic events whose event word shares a bit with
 * `mask`; a callback registered before with an equal mask is replaced and
 * the new one goes last. DvErrFailed after DvCtrlUnregisterCallbackAll. */
DVC_API DvError DvCtrlRegisterCallbackForGenericReport(const char *id1, const char *id2, uint32_t mask,
                                                       DvEventReportFunc func, void *context);
/** Called once when the report stream of the monitor ends. */
DVC_API DvError DvCtrlRegisterCallbackForTeardownReport(const char *id1, const char *id2, DvEventReportFunc func,
                                                        void *context);
/** Forgets every callback of the monitor, the generic ones for good. */
DVC_API DvError DvCtrlUnregisterCallbackAll(const char *id1, const char *id2);
/** Starts the monitor's reports (USB HID only). */
DVC_API DvError DvCtrlStartReport(const char *id1, const char *id2);
/** Waits for reports being delivered, then stops the monitor's reports; the
 * teardown callback runs before it returns. Fails when called from a
 * report callback. */
DVC_API DvError DvCtrlStopReport(const char *id1, const char *id2);
/** Nonzero when the monitor sends generic event reports. */
DVC_API int DvCtrlSupportedGenericReport(const char *id1, const char *id2);

DVC_EXTERN_C_END

#endif

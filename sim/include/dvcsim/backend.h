/* The table of entry points through which the sim backends of ddclink and
 * hidlink reach the virtual monitors. The transports load libdvcsim.so.1
 * with dlopen at discovery and look up dvcsim_backend(); they never link it.
 * Each entry has the arguments and results of the transport function of the
 * same name (ddclink.h, hidlink.h). */
#ifndef DVCSIM_BACKEND_H
#define DVCSIM_BACKEND_H
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif

#define DVCSIM_BACKEND_ABI 1
#define DVCSIM_BACKEND_SYMBOL "dvcsim_backend"

/* hidlink's queue for reports the monitors send; called on the sender's
 * thread, hidlink delivers them on its own. */
typedef void (*DvSimReportSink)(uint32_t handle, uint32_t code, const void* data, uint32_t size, void* sink_context);

/* For tools that post a report to a virtual monitor watched by another
 * process (dvcsim::PostReport): 0 when posted, -1 otherwise. */
#define DVCSIM_POST_REPORT_SYMBOL "dvcsim_post_report"
typedef int32_t (*DvSimPostReport)(const char* serial, uint32_t code, const uint8_t* data, uint32_t size);

/* For hosts that must report the simulator's trouble (dvcsim::Problem): the
 * first failure in words that name the file, or NULL when all is well. The
 * text stays valid until the calling thread's next call. */
#define DVCSIM_PROBLEM_SYMBOL "dvcsim_problem"
typedef const char* (*DvSimProblem)(void);

typedef struct DvSimBackend {
    uint32_t abi;  /* DVCSIM_BACKEND_ABI */
    uint32_t size; /* sizeof(DvSimBackend) */

    /* 1 when a world is active (an in-process one, or the one DVC_SIM names,
     * loaded on the first call); 0 otherwise. */
    int32_t (*world_active)(void);

    int32_t (*ddc_set_communication_type)(int32_t type);
    int32_t (*ddc_find)(void);
    int32_t (*ddc_is_supported)(uint32_t index, uint32_t code);
    int32_t (*ddc_get_fixed_data)(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length);
    int32_t (*ddc_get_value)(uint32_t index, uint32_t code, uint32_t* value);
    int32_t (*ddc_set_value)(uint32_t index, uint32_t code, const uint32_t* value);
    int32_t (*ddc_get_data)(uint32_t index, uint32_t code, void* buffer, uint32_t size);
    int32_t (*ddc_set_data)(uint32_t index, uint32_t code, const void* buffer, uint32_t size);
    int32_t (*ddc_release)(void);

    int32_t (*hid_find)(void);
    int32_t (*hid_retrieve)(uint32_t index, uint32_t* handle);
    int32_t (*hid_get_fixed_data)(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                                  uint32_t* length);
    int32_t (*hid_get_value)(uint32_t handle, uint32_t code, uint32_t* value);
    int32_t (*hid_set_value)(uint32_t handle, uint32_t code, uint32_t value, uint32_t option);
    int32_t (*hid_get_data)(uint32_t handle, uint32_t code, void* buffer, uint32_t size);
    int32_t (*hid_set_data)(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option);
    int32_t (*hid_set_data_no_check_result)(uint32_t handle, uint32_t code, const void* buffer, uint32_t size,
                                            uint32_t option);
    /* Reports: the monitor starts or stops sending; hidlink keeps the
     * callbacks and its delivery thread. */
    int32_t (*hid_report_on)(uint32_t handle);
    int32_t (*hid_report_off)(uint32_t handle);
    void (*hid_set_report_sink)(DvSimReportSink sink, void* sink_context);
    int32_t (*hid_supports_critical_section)(uint32_t handle);
    int32_t (*hid_enter_critical_section)(uint32_t handle);
    int32_t (*hid_exit_critical_section)(uint32_t handle);
    int32_t (*hid_release)(void);
} DvSimBackend;

/* Exported by libdvcsim.so.1. */
const DvSimBackend* dvcsim_backend(void);
const char* dvcsim_problem(void);

#ifdef __cplusplus
}
#endif
#endif

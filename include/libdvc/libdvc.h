/** @file
 * libdvc: read and change the settings of computer monitors over DDC/CI
 * and USB HID. Include this one header; it brings in every area. */
#ifndef LIBDVC_LIBDVC_H
#define LIBDVC_LIBDVC_H

#include "libdvc/dvc_types.h"
#include "libdvc/dvc_errors.h"
#include "libdvc/dvc_lifecycle.h"
#include "libdvc/dvc_discovery.h"
#include "libdvc/dvc_picture.h"
#include "libdvc/dvc_modes_inputs.h"
#include "libdvc/dvc_keys_osd.h"
#include "libdvc/dvc_info.h"
#include "libdvc/dvc_power.h"
#include "libdvc/dvc_sensors.h"
#include "libdvc/dvc_luts.h"
#include "libdvc/dvc_profile.h"
#include "libdvc/dvc_storage.h"
#include "libdvc/dvc_model.h"
#include "libdvc/dvc_reports.h"
#include "libdvc/dvc_selfcal_records.h"
#include "libdvc/dvc_selfcal_control.h"

#endif

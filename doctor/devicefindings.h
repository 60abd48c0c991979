#pragma once

#include "doctor.h"
#include "systemprobe.h"

// What the Device Manager's view of the USB-serial adapters tells: a driver
// missing or failing, and the known troubles of common chips.
namespace DeviceFindings {

QList<Doctor::Finding> of(const QList<AdapterDevice>& devices);

} // namespace DeviceFindings

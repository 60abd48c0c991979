#pragma once

#include <QMap>
#include <QString>

// Devices the user named for port numbers, replacing the table's.
using PortOverrides = QMap<int, QString>;

// The device of port number portNo: the one overrides names for it, else
// "COMn" on Windows; elsewhere a fixed table (Com1-4 USB adapters, Com5-8
// ACM modems, Com9-16 built-in ports).
// Empty for a number outside 1..16 (outside 1..255 on Windows).
QString portDevice(int portNo, const PortOverrides& overrides = {});

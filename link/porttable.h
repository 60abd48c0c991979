#pragma once

#include <QString>

class IniFile;

// The device of port number portNo: "COMn" on Windows; elsewhere a fixed
// table (Com1-4 USB adapters, Com5-8 ACM modems, Com9-16 built-in ports),
// where the "Ports" section of ini may name another device for a number.
// Empty for a number outside 1..16 (outside 1..255 on Windows).
QString PortDevice(int portNo, const IniFile* ini);

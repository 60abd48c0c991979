#pragma once

// Ends the process with code once main's objects are gone: files closed,
// settings written, output flushed here. On Windows the DLLs' unload is
// skipped: MinGW's libstdc++ can hang in it (seen under Wine in one exit of
// three), and a program that never ends keeps its COM port open.
[[noreturn]] void endProcess(int code);

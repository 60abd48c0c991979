#pragma once

// Thrown out of a wait when the program is ending, so that the device
// operation in progress unwinds without showing anything.
struct OperationAborted { };

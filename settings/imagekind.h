#pragma once

// What a setting image was when the program kept it: the operations name it,
// the settings history files it under that name.
enum class ImageKind {
    Read, // any successful read
    BeforeWrite, // what the controller held just before "sw"
    Written, // what "sw" sent
    Verified, // what the verify read gave back, equal to what was sent
    BeforeDefault, // what the controller held just before "ae"
    DefaultWrite, // what the controller holds after a Default Write
};

#pragma once

// The same for every command; --help, the README and the man page list them.
enum class ExitCode {
    Done = 0,
    Usage = 1, // also a value out of range given on the command line
    Differ = 1, // diff: the two sides differ (trouble there is 2 and above)
    PortUnavailable = 2, // the port cannot be opened, or was lost
    NoAnswer = 3, // no answer or a broken answer from the controller
    Refused
    = 4, // the controller refused the data, holds a value out of range, or the verify failed
    FileTrouble = 5, // a file cannot be read or written, or holds bad data or a value out of range
    Interrupted = 130, // SIGINT or SIGTERM
};

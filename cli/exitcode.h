#pragma once

// The same for every command; --help and the README list them.
enum class ExitCode {
    Done = 0,
    Usage = 1,
    PortUnavailable = 2, // the port cannot be opened
    NoAnswer = 3, // no answer or a broken answer from the controller
    Refused = 4, // the controller refused the data or the verify failed
    FileTrouble = 5, // a file cannot be read or written, or holds bad data
    Interrupted = 130, // SIGINT or SIGTERM
};

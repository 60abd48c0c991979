#pragma once

// What the user can ask of the controller, one operation at a time.
enum class Command { Read, Write, DefaultWrite, Get, Clear };
inline constexpr int CommandCount = 5;

// How an operation ended; the window decides what each one looks like.
enum class Outcome {
    Completed,
    Deleted, // the controller's setting data is deleted (model code FF)
    OtherModel, // the controller is of another model
    CommunicationFault, // nothing came back
    CannotSet, // something came back, but not a usable reply
    DataAbnormal, // the values may not be written
    VerifyFailed, // the controller holds other data than was written
    Aborted, // the program is ending
};

// A failure while the operation goes on; several may come in one operation.
enum class ExchangeFault {
    NoAnswer, // nothing arrived, or the line is gone
    BrokenReply, // characters arrived but no terminator, or more than any reply holds
    BrokenImage, // a whole reply that is no setting image
};

// What a failed exchange makes of its operation.
constexpr Outcome outcomeOf(ExchangeFault fault)
{
    return fault == ExchangeFault::NoAnswer ? Outcome::CommunicationFault : Outcome::CannotSet;
}

// The busy lamp: still, or one of its two blink phases.
enum class Lamp { Idle, Lit, Dark };

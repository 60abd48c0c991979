#pragma once

#include <QString>

struct SampleStore;

// Where the operations keep every log fetched from the controller, with the
// setting image it held as far as the program knows (empty when unknown).
// Keeping must never fail an operation: recordLog() only names the entry
// that keeps the log, empty when none does.
class LogRecorder {
public:
    virtual ~LogRecorder() = default;
    virtual QString recordLog(const SampleStore& store, const QString& image) = 0;
};

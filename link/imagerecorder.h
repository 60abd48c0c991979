#pragma once

#include <QString>

// Where the operations keep every setting image that comes from or goes to
// the controller. Keeping must never fail an operation: record() only names
// the entry that keeps the image, empty when none does.
class ImageRecorder {
public:
    enum class Kind {
        Read, // any successful read
        BeforeWrite, // what the controller held just before "sw"
        Written, // what "sw" sent
        Verified, // what the verify read gave back, equal to what was sent
        BeforeDefault, // what the controller held just before "ae"
        DefaultWrite, // what the controller holds after a Default Write
    };

    virtual ~ImageRecorder() = default;
    virtual QString record(Kind kind, const QString& image) = 0;
};

#pragma once

#include "imagekind.h"

#include <QString>

// Where the operations keep every setting image that comes from or goes to
// the controller. Keeping must never fail an operation: record() only names
// the entry that keeps the image, empty when none does.
class ImageRecorder {
public:
    using Kind = ImageKind;

    virtual ~ImageRecorder() = default;
    virtual QString record(Kind kind, const QString& image) = 0;
};

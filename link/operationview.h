#pragma once

#include <QString>
#include <optional>

// What a device operation needs from the main window besides the exchange.
class OperationView {
public:
    static constexpr int CommandCount = 5;
    enum Command { Read = 0, Write = 1, DefaultWrite = 2, Get = 3, Clear = 4 };

    virtual ~OperationView() = default;

    virtual void setCommandEnabled(int index, bool enabled) = 0;
    virtual void focusCommand(int index) = 0;
    virtual bool portOpen() const = 0;
    // Empty first parameter box: no setting data on the screen.
    virtual bool firstBoxEmpty() const = 0;
    virtual void ClearSettingDisplay() = 0;
    // Decodes the image at the start of the receive buffer into the window.
    virtual void ShowSettingData() = 0;
    // The validated write image, or nothing after the window has said why not.
    virtual std::optional<QString> MakeWriteData() = 0;
    // Decodes the log reply in the receive buffer and shows the log window.
    virtual void SetGraph() = 0;
};

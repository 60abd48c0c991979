#pragma once

#include <QString>
#include <cstdint>

// What the message exchange needs from the main window.
class ExchangeHost {
public:
    enum class BoxIcon { Information, Warning };

    static constexpr uint32_t Black = 0;
    static constexpr uint32_t Red = 255; // 0x00BBGGRR
    static constexpr uint32_t LampBright = 0x00FF00;
    static constexpr uint32_t LampDark = 0x004000;

    virtual ~ExchangeHost() = default;

    virtual void ShowMessage(const QString& text, uint32_t colour) = 0;
    // Modal OK box titled with the application title.
    virtual void showBox(const QString& text, BoxIcon icon) = 0;
    virtual void setLamp(uint32_t colour) = 0;
};

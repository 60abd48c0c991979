#pragma once

#include "messageexchange.h"
#include "operationview.h"
#include "serialline.h"
#include "settingimage.h"

#include <QList>
#include <array>

// Stands in for the main window: keeps the button states and focus, and
// decodes what reaches ShowSettingData the way the window would.
class FakeOperationView : public OperationView {
public:
    struct Shown {
        SettingImage::DecodeStatus status = SettingImage::DecodeStatus::BadField;
        QString image;
    };

    FakeOperationView(const SerialLine& line, const MessageExchange& exchange)
        : m_line(line)
        , m_exchange(exchange)
    {
    }

    void setCommandEnabled(int index, bool enabled) override
    {
        enabledCommands.at(size_t(index)) = enabled;
    }
    void focusCommand(int index) override { focus.append(index); }
    bool portOpen() const override { return m_line.isOpen(); }
    bool firstBoxEmpty() const override { return boxEmpty; }
    void ClearSettingDisplay() override
    {
        ++clears;
        boxEmpty = true;
    }
    void ShowSettingData() override
    {
        const SettingImage::Decoded decoded = SettingImage::decode(m_exchange.RecvBuf);
        shown.append({ decoded.status, m_exchange.RecvBuf.left(SettingImage::Length) });
        // The window's own refusals leave the boxes as they were.
        if (decoded.status == SettingImage::DecodeStatus::Ok)
            boxEmpty = decoded.texts[0].isEmpty();
    }
    std::optional<QString> MakeWriteData() override
    {
        ++writeDataMade;
        return writeImage;
    }
    void SetGraph() override { graphs.append(m_exchange.RecvBuf.size()); }

    void forget()
    {
        focus.clear();
        shown.clear();
        graphs.clear();
        clears = 0;
        writeDataMade = 0;
    }

    std::array<bool, CommandCount> enabledCommands {};
    QList<int> focus;
    bool boxEmpty = true;
    int clears = 0;
    QList<Shown> shown;
    std::optional<QString> writeImage;
    int writeDataMade = 0;
    QList<qsizetype> graphs; // RecvBuf length at each call

private:
    const SerialLine& m_line;
    const MessageExchange& m_exchange;
};

#include "maincommands.h"

#include "frmlog.h"
#include "frmmain.h"
#include "parameterrows.h"
#include "prompts.h"
#include "settingimage.h"
#include "testrc.h"

#include <QLineEdit>
#include <QPushButton>

MainCommands::MainCommands(TestRC& rc, FrmMain& frm)
    : m_rc(rc)
    , m_frm(frm)
    , m_exchange(rc.line(), frm)
    , m_operations(m_exchange, frm, *this)
    , m_files(frm.prompts(), *this, m_store)
{
    connect(&m_frm, &FrmMain::CmdTzCom_Click, this,
        [this](int index) { m_operations.CmdTzCom_Click(index); });
    connect(&m_frm, &FrmMain::unloading, this, [this] { m_exchange.abort(); });
    connect(&m_frm, &FrmMain::mnuOpen_Click, this,
        [this] { m_files.OpenDataFile(DataFiles::SettingFilter); });
    connect(&m_frm, &FrmMain::mnuSave_Click, this, &MainCommands::mnuSave_Click);
    connect(&m_frm, &FrmMain::munOpenLog_Click, this,
        [this] { m_files.OpenDataFile(DataFiles::LogFilter); });
    connect(&m_frm, &FrmMain::mnuSaveLog_Click, this, [this] { m_files.SaveLog(); });
}

void MainCommands::setCommandEnabled(int index, bool enabled)
{
    m_frm.CmdTzCom(index)->setEnabled(enabled);
}

void MainCommands::focusCommand(int index)
{
    QPushButton* button = m_frm.CmdTzCom(index);
    // A disabled "Write" cannot take the focus: "Read" takes it instead.
    if (!button->isEnabled())
        button = m_frm.CmdTzCom(Read);
    if (button->isEnabled())
        button->setFocus(Qt::OtherFocusReason);
}

bool MainCommands::portOpen() const { return m_frm.portOpen(); }

bool MainCommands::firstBoxEmpty() const { return m_frm.rows().TxtData(0)->text().isEmpty(); }

void MainCommands::ClearSettingDisplay() { m_frm.rows().ClearSettingDisplay(); }

void MainCommands::ShowSettingData()
{
    if (!decodeIntoWindow(m_exchange.RecvBuf)) {
        m_exchange.ErrFlag = true;
        m_frm.ShowMessage(QStringLiteral("TZ cannot be set."), ExchangeHost::Red);
    }
}

bool MainCommands::ShowBufferData(const QString& image)
{
    m_exchange.RecvBuf = image;
    if (image.size() != SettingImage::Length)
        return true;
    return decodeIntoWindow(image);
}

bool MainCommands::decodeIntoWindow(QStringView image)
{
    const SettingImage::Decoded decoded = SettingImage::decode(image);
    switch (decoded.status) {
    case SettingImage::DecodeStatus::BadField:
        return false;
    case SettingImage::DecodeStatus::Deleted:
        m_frm.prompts().message(QStringLiteral("Setting Data is deleted."), Prompts::Icon::Warning);
        setCommandEnabled(Write, false);
        return true;
    case SettingImage::DecodeStatus::OtherModel:
        m_frm.rows().clearTzType();
        m_frm.prompts().message(QStringLiteral("TZ type is different."), Prompts::Icon::Warning);
        setCommandEnabled(Write, false);
        return true;
    case SettingImage::DecodeStatus::Ok:
        break;
    }
    m_frm.rows().applyDecoded(decoded);
    m_lastDecoded = image.left(SettingImage::Length).toString();
    setCommandEnabled(Write, true);
    return true;
}

std::optional<QString> MainCommands::MakeWriteData()
{
    const QString& source = m_exchange.ReadData.isEmpty() ? m_lastDecoded : m_exchange.ReadData;
    const SettingImage::Encoded encoded = SettingImage::encode(m_frm.rows().windowValues(), source);
    if (encoded.status != SettingImage::EncodeStatus::Ok) {
        m_frm.prompts().message(QStringLiteral("Data is abnormal!!\r\nPlease set it correctly."),
            Prompts::Icon::Information);
        return std::nullopt;
    }
    return encoded.image;
}

void MainCommands::mnuSave_Click()
{
    if (const std::optional<QString> image = MakeWriteData())
        m_files.SaveDataFile(DataFiles::SettingFilter, *image);
}

FrmLog& MainCommands::openLogWindow()
{
    if (!m_log) {
        m_log = new FrmLog(
            m_store, m_rc.state().ScaleLine,
            [this](const QString& key, const QString& value) {
                m_rc.WriteIniKey(QStringLiteral("Chart"), key, value);
            },
            &m_frm);
        m_log->setPrompts(&m_frm.prompts());
    }
    return *m_log;
}

void MainCommands::SetGraph() { openLogWindow().SetGraph(m_exchange.RecvBuf); }

void MainCommands::SetGraphFile() { openLogWindow().SetGraphFile(); }

#pragma once

#include <QString>

// The object names of the windows' controls, kept in this one place so
// that tests and accessibility tools can find each control. Arrays of
// controls add their index to the name.
namespace ObjectName {

// Main window
inline const QString CommandButton = QStringLiteral("CmdTzCom");
inline const QString ValueBox = QStringLiteral("TxtData");
inline const QString SpinButton = QStringLiteral("UpDownData");
inline const QString ValueCaption = QStringLiteral("LblCaption");
inline const QString ValueUnit = QStringLiteral("LblUnit");
inline const QString ModeBox = QStringLiteral("ChkMode");
inline const QString LimiterOffBox = QStringLiteral("ChkCurLimOff");
inline const QString LimiterUnit = QStringLiteral("LblCurLim");
inline const QString ModelBox = QStringLiteral("TxtTzType");
inline const QString ModelCaption = QStringLiteral("LblTzType");
inline const QString RomVersionBox = QStringLiteral("TxtVer");
inline const QString RomVersionCaption = QStringLiteral("LblVer");
inline const QString HiddenFrame = QStringLiteral("FraTmp");
inline const QString SettingFrame = QStringLiteral("FraSetting");
inline const QString LogFrame = QStringLiteral("FraLog");
inline const QString Logo = QStringLiteral("ImgLogo");
inline const QString BusyCaption = QStringLiteral("LblBusy");
inline const QString BusyLamp = QStringLiteral("ShpLED");
inline const QString MessageCaption = QStringLiteral("LblMessage");
inline const QString MessageLine = QStringLiteral("TxtMsg");
inline const QString ProductName = QStringLiteral("LblProductName");
inline const QString VersionCaption = QStringLiteral("LblVersion");
inline const QString FileMenu = QStringLiteral("mnuFile");
inline const QString SettingFileMenu = QStringLiteral("mnuSet");
inline const QString OpenSettingFile = QStringLiteral("mnuOpen");
inline const QString SaveSettingFile = QStringLiteral("mnuSave");
inline const QString HistoryMenu = QStringLiteral("mnuHistory");
inline const QString LogFileMenu = QStringLiteral("mnuLog");
inline const QString OpenLogFile = QStringLiteral("munOpenLog");
inline const QString SaveLogFile = QStringLiteral("mnuSaveLog");
inline const QString CompareLogFile = QStringLiteral("mnuCompareLog");
inline const QString PortMenu = QStringLiteral("mnuCom");
inline const QString ExitMenu = QStringLiteral("mnuEnd");
inline const QString DemoMenu = QStringLiteral("mnuDemo");
inline const QString LanguageMenu = QStringLiteral("mnuLanguage");

// Port dialog
inline const QString PortOk = QStringLiteral("cmdOk");
inline const QString PortList = QStringLiteral("Combo");
inline const QString PortPrompt = QStringLiteral("label");
inline const QString PortCancel = QStringLiteral("CmdCancel");
inline const QString PortRefused = QStringLiteral("LblRefused");
inline const QString PortDiagnose = QStringLiteral("CmdDiagnose");

// Log window
inline const QString LogClose = QStringLiteral("CmdClose");
inline const QString LogGraph = QStringLiteral("PicLog");
inline const QString CurrentLegend = QStringLiteral("Frame1");
inline const QString VoltLegend = QStringLiteral("Frame2");
inline const QString Readout = QStringLiteral("TxtLog");
inline const QString ScaleLineBox = QStringLiteral("ChkScaleLine");
inline const QString VoltLegendLine = QStringLiteral("Line1");
inline const QString CurrentLegendLine = QStringLiteral("Line2");
inline const QString VoltScale = QStringLiteral("LblVolt");
inline const QString CurrentScale = QStringLiteral("LblCur");
inline const QString TimeScale = QStringLiteral("LblS");
inline const QString TimeCaption = QStringLiteral("LblTime");
inline const QString ChemistryBox = QStringLiteral("CboChemistry");
inline const QString CellsBox = QStringLiteral("SpnCells");

inline QString indexed(const QString& name, int index) { return name + QString::number(index); }

} // namespace ObjectName

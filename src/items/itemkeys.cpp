#include "items/itemkeys.h"

namespace Keys {
const QString DataId = QStringLiteral("DataId");
const QString Datatype = QStringLiteral("Datatype");
const QString ReadOnly = QStringLiteral("ReadOnly");
const QString Visibility = QStringLiteral("Visibility");
const QString Default = QStringLiteral("Default");
const QString Divider = QStringLiteral("Divider");
const QString Min = QStringLiteral("Min");
const QString Max = QStringLiteral("Max");
const QString Parameter = QStringLiteral("Parameter");
const QString Text = QStringLiteral("Text");
const QString TextIfOut = QStringLiteral("TextIfOut");
const QString TextIfStandby = QStringLiteral("TextIfStandby");
const QString Unit = QStringLiteral("Unit");
const QString Infonummer = QStringLiteral("Infonummer");
} // namespace Keys

namespace Features {
const QString Base = QStringLiteral("Base");
const QString Entry = QStringLiteral("Entry");
const QString Name = QStringLiteral("name");
const QString List = QStringLiteral("List");
const QString Default = QStringLiteral("Default");
const QString RTC = QStringLiteral("RTC");
const QString Fehlerspeicher = QStringLiteral("Fehlerspeicher");
const QString Firmwareupdate = QStringLiteral("Firmwareupdate");
const QString IOMapping = QStringLiteral("IOMapping");
const QString Programme = QStringLiteral("Programme");
const QString Datenlogger = QStringLiteral("Datenlogger");
} // namespace Features

namespace FeatureEntries {
const QString Access = QStringLiteral("Access");
const QString Enabled = QStringLiteral("Enabled");
const QString FC_RD = QStringLiteral("FC_RD");
const QString FC_WR = QStringLiteral("FC_WR");
const QString FC_WRS = QStringLiteral("FC_WRS");
const QString FC_RW = QStringLiteral("FC_RW");
const QString Address_RD = QStringLiteral("Address_RD");
const QString Address_WR = QStringLiteral("Address_WR");
const QString Address_WRS = QStringLiteral("Address_WRS");
const QString Address_RW = QStringLiteral("Address_RW");
const QString FunctionPrefix = QStringLiteral("Function_");
const QString Function_RD = QStringLiteral("Function_RD");
const QString Function_WR = QStringLiteral("Function_WR");
const QString Function_RW = QStringLiteral("Function_RW");
const QString Anzahl = QStringLiteral("Anzahl");
const QString List = QStringLiteral("List");
const QString Type = QStringLiteral("Type");
const QString IOs = QStringLiteral("IOs");
const QString Reference = QStringLiteral("Reference");
const QString Format = QStringLiteral("Format");
} // namespace FeatureEntries

namespace FeatureValues {
const QString Static = QStringLiteral("static");
const QString Dynamic = QStringLiteral("dynamic");
const QString TrueText = QStringLiteral("true");
const QString FalseText = QStringLiteral("false");
const QString Standard = QStringLiteral("standard");
const QString Special = QStringLiteral("special");
const QString DIn = QStringLiteral("DIn");
const QString AIn = QStringLiteral("AIn");
const QString DOut = QStringLiteral("DOut");
const QString AOut = QStringLiteral("AOut");
} // namespace FeatureValues

namespace Device {
const QString DeviceInfo = QStringLiteral("DeviceInfo");
const QString Parameter = QStringLiteral("Parameter");
const QString PabOut = QStringLiteral("PabOut");
const QString Data = QStringLiteral("_Data");
const QString Setup = QStringLiteral("Setup");
const QString ModbusMaster = QStringLiteral("ModbusMaster");
const QString NfcMaster = QStringLiteral("NfcMaster");
const QString Bestellnummer = QStringLiteral("Bestellnummer");
const QString Seriennummer = QStringLiteral("Seriennummer");
const QString SoftwareVersion = QStringLiteral("SoftwareVersion");
const QString ParameterVersion = QStringLiteral("ParameterVersion");
const QString Default = QStringLiteral("Default");
const QString ZeroNumber = QStringLiteral("00000000");
} // namespace Device

namespace Settings {
const QString SettingsTool = QStringLiteral("SettingsTool");
const QString SavePath = QStringLiteral("SavePath");
const QString LoadPath = QStringLiteral("LoadPath");
const QString UpdatePath = QStringLiteral("UpdatePath");
const QString ParaPath = QStringLiteral("ParaPath");
const QString ParaName = QStringLiteral("ParaName");
const QString Language = QStringLiteral("Language");
const QString Size = QStringLiteral("Size");
const QString Position = QStringLiteral("Position");
const QString Geometry = QStringLiteral("Geometry");
const QString State = QStringLiteral("State");
const QString CommunicationLog = QStringLiteral("CommunicationLog");
const QString RecordingInterval = QStringLiteral("RecordingInterval");
const QString LastDevices = QStringLiteral("LastDevices");
const QString LastDeviceName = QStringLiteral("LastDeviceName");
const QString LastDeviceParaVersion = QStringLiteral("LastDeviceParaVersion");
const QString LastDeviceOrderNumber = QStringLiteral("LastDeviceOrderNumber");
const QString LastDeviceAddress = QStringLiteral("LastDeviceAddress");
const QString LastDeviceCom = QStringLiteral("LastDeviceCom");
const QString LastDeviceComType = QStringLiteral("LastDeviceComType");
const QString SettingsInterface = QStringLiteral("SettingsInterface");
const QString Protocol = QStringLiteral("Protocol");
const QString Interface = QStringLiteral("Interface");
const QString SerialPort = QStringLiteral("SerialPort");
const QString Baudrate = QStringLiteral("Baudrate");
const QString DataBits = QStringLiteral("DataBits");
const QString StopBits = QStringLiteral("StopBits");
const QString Parity = QStringLiteral("Parity");
const QString FlowControl = QStringLiteral("FlowControl");
const QString TcpPort = QStringLiteral("TcpPort");
const QString WirelessDeviceUuid = QStringLiteral("WirelessDeviceUuid");
const QString WirelessDeviceName = QStringLiteral("WirelessDeviceName");
const QString WirelessDeviceClass = QStringLiteral("WirelessDeviceClass");
const QString SettingsDevice = QStringLiteral("SettingsDevice");
const QString StatusZyklus = QStringLiteral("StatusZyklus");
const QString DeviceAddress = QStringLiteral("DeviceAddress");
const QString Deutsch = QStringLiteral("deutsch");
} // namespace Settings


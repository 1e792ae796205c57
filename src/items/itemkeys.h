#ifndef ITEMKEYS_H
#define ITEMKEYS_H

#include "items/loomwork_global.h"

#include <QString>

// Named texts shared by items, parameter descriptions and the host. All are
// built once when the library is loaded and compared case-sensitively.

// Attribute keys of a parameter description, read by CItem::setAttributes()
// ("Parameter" is declared for the host and not read there).
namespace Keys {
extern LOOMWORK_EXPORT const QString DataId;
extern LOOMWORK_EXPORT const QString Datatype;
extern LOOMWORK_EXPORT const QString ReadOnly;
extern LOOMWORK_EXPORT const QString Visibility;
extern LOOMWORK_EXPORT const QString Default;
extern LOOMWORK_EXPORT const QString Divider;
extern LOOMWORK_EXPORT const QString Min;
extern LOOMWORK_EXPORT const QString Max;
extern LOOMWORK_EXPORT const QString Parameter;
extern LOOMWORK_EXPORT const QString Text;
extern LOOMWORK_EXPORT const QString TextIfOut;
extern LOOMWORK_EXPORT const QString TextIfStandby;
extern LOOMWORK_EXPORT const QString Unit;
extern LOOMWORK_EXPORT const QString Infonummer;
} // namespace Keys

// Structure of feature sections and the names of the features.
namespace Features {
extern LOOMWORK_EXPORT const QString Base;
extern LOOMWORK_EXPORT const QString Entry;
extern LOOMWORK_EXPORT const QString Name;
extern LOOMWORK_EXPORT const QString List;
extern LOOMWORK_EXPORT const QString Default;
extern LOOMWORK_EXPORT const QString RTC;
extern LOOMWORK_EXPORT const QString Fehlerspeicher;
extern LOOMWORK_EXPORT const QString Firmwareupdate;
extern LOOMWORK_EXPORT const QString IOMapping;
extern LOOMWORK_EXPORT const QString Programme;
extern LOOMWORK_EXPORT const QString Datenlogger;
} // namespace Features

// Entry names inside a feature section.
namespace FeatureEntries {
extern LOOMWORK_EXPORT const QString Access;
extern LOOMWORK_EXPORT const QString Enabled;
extern LOOMWORK_EXPORT const QString FC_RD;
extern LOOMWORK_EXPORT const QString FC_WR;
extern LOOMWORK_EXPORT const QString FC_WRS;
extern LOOMWORK_EXPORT const QString FC_RW;
extern LOOMWORK_EXPORT const QString Address_RD;
extern LOOMWORK_EXPORT const QString Address_WR;
extern LOOMWORK_EXPORT const QString Address_WRS;
extern LOOMWORK_EXPORT const QString Address_RW;
extern LOOMWORK_EXPORT const QString FunctionPrefix;
extern LOOMWORK_EXPORT const QString Function_RD;
extern LOOMWORK_EXPORT const QString Function_WR;
extern LOOMWORK_EXPORT const QString Function_RW;
extern LOOMWORK_EXPORT const QString Anzahl;
extern LOOMWORK_EXPORT const QString List;
extern LOOMWORK_EXPORT const QString Type;
extern LOOMWORK_EXPORT const QString IOs;
extern LOOMWORK_EXPORT const QString Reference;
extern LOOMWORK_EXPORT const QString Format;
} // namespace FeatureEntries

// Entry values inside a feature section.
namespace FeatureValues {
extern LOOMWORK_EXPORT const QString Static;
extern LOOMWORK_EXPORT const QString Dynamic;
extern LOOMWORK_EXPORT const QString TrueText;
extern LOOMWORK_EXPORT const QString FalseText;
extern LOOMWORK_EXPORT const QString Standard;
extern LOOMWORK_EXPORT const QString Special;
extern LOOMWORK_EXPORT const QString DIn;
extern LOOMWORK_EXPORT const QString AIn;
extern LOOMWORK_EXPORT const QString DOut;
extern LOOMWORK_EXPORT const QString AOut;
} // namespace FeatureValues

// Names of the device-information objects and the host objects.
namespace Device {
extern LOOMWORK_EXPORT const QString DeviceInfo;
extern LOOMWORK_EXPORT const QString Parameter;
extern LOOMWORK_EXPORT const QString PabOut;
extern LOOMWORK_EXPORT const QString Data;
extern LOOMWORK_EXPORT const QString Setup;
extern LOOMWORK_EXPORT const QString ModbusMaster;
extern LOOMWORK_EXPORT const QString NfcMaster;
extern LOOMWORK_EXPORT const QString Bestellnummer;
extern LOOMWORK_EXPORT const QString Seriennummer;
extern LOOMWORK_EXPORT const QString SoftwareVersion;
extern LOOMWORK_EXPORT const QString ParameterVersion;
extern LOOMWORK_EXPORT const QString Default;
extern LOOMWORK_EXPORT const QString ZeroNumber;
} // namespace Device

// Names of the host family's settings and its default language.
namespace Settings {
extern LOOMWORK_EXPORT const QString SettingsTool;
extern LOOMWORK_EXPORT const QString SavePath;
extern LOOMWORK_EXPORT const QString LoadPath;
extern LOOMWORK_EXPORT const QString UpdatePath;
extern LOOMWORK_EXPORT const QString ParaPath;
extern LOOMWORK_EXPORT const QString ParaName;
extern LOOMWORK_EXPORT const QString Language;
extern LOOMWORK_EXPORT const QString Size;
extern LOOMWORK_EXPORT const QString Position;
extern LOOMWORK_EXPORT const QString Geometry;
extern LOOMWORK_EXPORT const QString State;
extern LOOMWORK_EXPORT const QString CommunicationLog;
extern LOOMWORK_EXPORT const QString RecordingInterval;
extern LOOMWORK_EXPORT const QString LastDevices;
extern LOOMWORK_EXPORT const QString LastDeviceName;
extern LOOMWORK_EXPORT const QString LastDeviceParaVersion;
extern LOOMWORK_EXPORT const QString LastDeviceOrderNumber;
extern LOOMWORK_EXPORT const QString LastDeviceAddress;
extern LOOMWORK_EXPORT const QString LastDeviceCom;
extern LOOMWORK_EXPORT const QString LastDeviceComType;
extern LOOMWORK_EXPORT const QString SettingsInterface;
extern LOOMWORK_EXPORT const QString Protocol;
extern LOOMWORK_EXPORT const QString Interface;
extern LOOMWORK_EXPORT const QString SerialPort;
extern LOOMWORK_EXPORT const QString Baudrate;
extern LOOMWORK_EXPORT const QString DataBits;
extern LOOMWORK_EXPORT const QString StopBits;
extern LOOMWORK_EXPORT const QString Parity;
extern LOOMWORK_EXPORT const QString FlowControl;
extern LOOMWORK_EXPORT const QString TcpPort;
extern LOOMWORK_EXPORT const QString WirelessDeviceUuid;
extern LOOMWORK_EXPORT const QString WirelessDeviceName;
extern LOOMWORK_EXPORT const QString WirelessDeviceClass;
extern LOOMWORK_EXPORT const QString SettingsDevice;
extern LOOMWORK_EXPORT const QString StatusZyklus;
extern LOOMWORK_EXPORT const QString DeviceAddress;
extern LOOMWORK_EXPORT const QString Deutsch;
} // namespace Settings

#endif // ITEMKEYS_H

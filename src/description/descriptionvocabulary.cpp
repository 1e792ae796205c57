#include "description/descriptionvocabulary.h"

namespace Qvr {
const QString Root = QStringLiteral("QVR");
const QString Line = QStringLiteral("QVR_LINE");
const QString TypeList = QStringLiteral("QVR_TYPE_LIST");
const QString TypeBitfield = QStringLiteral("QVR_TYPE_BITFIELD");
const QString Project = QStringLiteral("QVR_PROJECT");
const QString ProjectName = QStringLiteral("QVR_PROJECT_NAME");
const QString ProjectOrderNumber = QStringLiteral("QVR_PROJECT_ORDER_NUMBER");
const QString ProjectSwVersion = QStringLiteral("QVR_PROJECT_SW_VERSION");
const QString ProjectTableVersion = QStringLiteral("QVR_PROJECT_TABLE_VERSION");
const QString ProjectFeatures = QStringLiteral("QVR_PROJECT_FEATURES");
const QString Object = QStringLiteral("QVR_OBJECT");
const QString ObjectName = QStringLiteral("QVR_OBJECT_NAME");
const QString Languages = QStringLiteral("QVR_LANGUAGES");
const QString LanguageName = QStringLiteral("QVR_LANGUAGE_NAME");
const QString GroupTag = QStringLiteral("group");
const QString ValueTag = QStringLiteral("value");
const QString Name = QStringLiteral("name");
const QString Text = QStringLiteral("Text");
const QString Default = QStringLiteral("Default");
const QString Divider = QStringLiteral("Divider");
const QString Parameter = QStringLiteral("Parameter");
const QString List = QStringLiteral("List");
const QString Visibility = QStringLiteral("Visibility");
const QString LanguageValue = QStringLiteral("value");
} // namespace Qvr

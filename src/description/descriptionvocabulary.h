#ifndef DESCRIPTIONVOCABULARY_H
#define DESCRIPTIONVOCABULARY_H

#include "items/loomwork_global.h"

#include <QString>

// Tags, group names and attribute names of the family's parameter-description
// and language files. Built once when the library is loaded; all of them are
// compared case-sensitively.
namespace Qvr {
extern LOOMWORK_EXPORT const QString Root;                // "QVR"
extern LOOMWORK_EXPORT const QString Line;                // "QVR_LINE"
extern LOOMWORK_EXPORT const QString TypeList;            // "QVR_TYPE_LIST"
extern LOOMWORK_EXPORT const QString TypeBitfield;        // "QVR_TYPE_BITFIELD"
extern LOOMWORK_EXPORT const QString Project;             // "QVR_PROJECT"
extern LOOMWORK_EXPORT const QString ProjectName;         // "QVR_PROJECT_NAME"
extern LOOMWORK_EXPORT const QString ProjectOrderNumber;  // "QVR_PROJECT_ORDER_NUMBER"
extern LOOMWORK_EXPORT const QString ProjectSwVersion;    // "QVR_PROJECT_SW_VERSION"
extern LOOMWORK_EXPORT const QString ProjectTableVersion; // "QVR_PROJECT_TABLE_VERSION"
extern LOOMWORK_EXPORT const QString ProjectFeatures;     // "QVR_PROJECT_FEATURES"
extern LOOMWORK_EXPORT const QString Object;              // "QVR_OBJECT"
extern LOOMWORK_EXPORT const QString ObjectName;          // "QVR_OBJECT_NAME"
extern LOOMWORK_EXPORT const QString Languages;           // "QVR_LANGUAGES"
extern LOOMWORK_EXPORT const QString LanguageName;        // "QVR_LANGUAGE_NAME"
extern LOOMWORK_EXPORT const QString GroupTag;            // "group"
extern LOOMWORK_EXPORT const QString ValueTag;            // "value"
extern LOOMWORK_EXPORT const QString Name;                // "name"
extern LOOMWORK_EXPORT const QString Text;                // "Text"
extern LOOMWORK_EXPORT const QString Default;             // "Default"
extern LOOMWORK_EXPORT const QString Divider;             // "Divider"
extern LOOMWORK_EXPORT const QString Parameter;           // "Parameter"
extern LOOMWORK_EXPORT const QString List;                // "List"
extern LOOMWORK_EXPORT const QString Visibility;          // "Visibility"
extern LOOMWORK_EXPORT const QString LanguageValue;       // "value" (attribute of a language text)
} // namespace Qvr

#endif // DESCRIPTIONVOCABULARY_H

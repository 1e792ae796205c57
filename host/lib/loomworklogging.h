#ifndef LOOMWORKLOGGING_H
#define LOOMWORKLOGGING_H

#include "loomworkhost_global.h"

#include <QLoggingCategory>

// The host side's logging categories, switched with QT_LOGGING_RULES
// (for example "loomwork.link*=true"). Only warnings are on by default.
//   loomwork.link         the link's state: connects, losses, retries, failures
//   loomwork.link.frames  every frame sent and received, as hex
//   loomwork.description  descriptions, language and device data files read
//   loomwork.host         plugins found and refused, devices opened
LOOMWORKHOST_EXPORT const QLoggingCategory &lcLink();
LOOMWORKHOST_EXPORT const QLoggingCategory &lcLinkFrames();
LOOMWORKHOST_EXPORT const QLoggingCategory &lcDescription();
LOOMWORKHOST_EXPORT const QLoggingCategory &lcHost();

#endif // LOOMWORKLOGGING_H

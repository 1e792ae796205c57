#include "loomworklogging.h"

Q_LOGGING_CATEGORY(lcLink, "loomwork.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLinkFrames, "loomwork.link.frames", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDescription, "loomwork.description", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHost, "loomwork.host", QtWarningMsg)

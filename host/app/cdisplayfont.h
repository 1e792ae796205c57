#ifndef CDISPLAYFONT_H
#define CDISPLAYFONT_H

#include <QString>

// Supplies the fonts the device widgets ask for by family name: "7Segment"
// maps to the seven-segment font of the system's DSEG package, the caption
// families to a common sans-serif font.
class CDisplayFont
{
public:
    // Where the seven-segment font file is looked for.
    static QString segmentFontFile();
    // Registers the font file (when present) and the family substitutions.
    // Returns the family "7Segment" now resolves to; empty when the font
    // file is missing and the toolkit's fallback applies.
    static QString install();
};

#endif // CDISPLAYFONT_H

#pragma once

#include "dialogs/multimedia_generators.h"
#include "dialogs/record_dialog.h"

// "MARQUEE": scrolling text; the colour button ticks its box even when its dialog is cancelled.
class TMARQUEE_Form : public RecordDialog<MarqueeFields>
{
public:
    TMARQUEE_Form(QWidget *parent, DocumentSource documents);
};

// "EMBED": a plug-in object with free parameters, one per memo line.
class TEMBED_Form : public RecordDialog<EmbedFields>
{
public:
    TEMBED_Form(QWidget *parent, DocumentSource documents);
};

// "Zvuk": background sound.
class TSound_Form : public RecordDialog<SoundFields>
{
public:
    TSound_Form(QWidget *parent, DocumentSource documents);
};

// "VIDEO": an image element that plays a video. Its repetition field can be typed into and
// stepped; its box, ticked by the user, decides whether it is written.
class TVideo_Form : public RecordDialog<VideoFields>
{
public:
    TVideo_Form(QWidget *parent, DocumentSource documents);
};

#pragma once

#include "dialogs/multimedia_generators.h"
#include "dialogs/record_dialog.h"

// "MARQUEE": scrolling text; the colour button ticks its box even when its dialog is cancelled.
DialogRecord<MarqueeFields> marqueeRecord();
using TMARQUEE_Form = DeclaredDialog<MarqueeFields, marqueeRecord>;

// "EMBED": a plug-in object with free parameters, one per memo line.
DialogRecord<EmbedFields> embedRecord();
using TEMBED_Form = DeclaredDialog<EmbedFields, embedRecord>;

// "Zvuk": background sound.
DialogRecord<SoundFields> soundRecord();
using TSound_Form = DeclaredDialog<SoundFields, soundRecord>;

// "VIDEO": an image element that plays a video. Its repetition field can be typed into and
// stepped; its box, ticked by the user, decides whether it is written.
DialogRecord<VideoFields> videoRecord();
using TVideo_Form = DeclaredDialog<VideoFields, videoRecord>;

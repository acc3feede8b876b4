#pragma once

#include "dialogs/frame_generators.h"
#include "dialogs/record_dialog.h"

// "Rámce": a frameset with an empty line for its frames.
DialogRecord<FramesetFields> framesetRecord();
using TFrame_Form = DeclaredDialog<FramesetFields, framesetRecord>;

// "Jednotlivý rámec": one frame element; neither path form is selected at first.
DialogRecord<FrameFields> defFrameRecord();
using TDefFrame_Form = DeclaredDialog<FrameFields, defFrameRecord>;

// "IFRAME": an inline frame's start tag; the path is relative at first.
DialogRecord<FrameFields> iframeRecord();
using TIFRAME_Form = DeclaredDialog<FrameFields, iframeRecord>;

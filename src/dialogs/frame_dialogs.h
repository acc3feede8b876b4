#pragma once

#include "dialogs/frame_generators.h"
#include "dialogs/record_dialog.h"

// "Rámce": a frameset with an empty line for its frames.
class TFrame_Form : public RecordDialog<FramesetFields>
{
public:
    TFrame_Form(QWidget *parent, DocumentSource documents);
};

// "Jednotlivý rámec": one frame element; neither path form is selected at first.
class TDefFrame_Form : public RecordDialog<FrameFields>
{
public:
    TDefFrame_Form(QWidget *parent, DocumentSource documents);
};

// "IFRAME": an inline frame's start tag; the path is relative at first.
class TIFRAME_Form : public RecordDialog<FrameFields>
{
public:
    TIFRAME_Form(QWidget *parent, DocumentSource documents);
};

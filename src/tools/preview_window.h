#pragma once

// What the program and the preview library share. The preview brings a whole browser engine with
// it, so it lives in a library of its own that the program loads the first time a preview opens:
// start-up never pays for the engine.

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

// The active document as the preview shows it: its current text, saved or not, and the file it is
// saved as (or will be), whose folder its relative addresses start from.
struct PreviewDocument
{
    QString text;
    QString path;
};

class PreviewWindow
{
public:
    // What "Aktuální dokument" shows: the active document as a page, or none without one.
    using ActivePage = std::function<std::optional<PreviewDocument>()>;

    virtual ~PreviewWindow() = default;
    virtual QDialog *dialog() = 0;
    // Whether there is an active document to show: "Aktuální dokument" is enabled only then.
    virtual void setDocumentAvailable(bool available) = 0;
    // The active document may have changed (typed, saved, another one activated): a document that is
    // being shown is shown again once the changes pause.
    virtual void activeWindowChanged() = 0;
};

// The library's one entry point, looked up by name.
#define VELINOR_PREVIEW_FACTORY "velinorCreatePreviewWindow"
using CreatePreviewWindow = PreviewWindow *(*)(QWidget *parent, PreviewWindow::ActivePage activePage);

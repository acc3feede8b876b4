#pragma once

class CommandRegistry;

// "&Náhled HTML stránky": loads the preview library on first use and opens a new preview window.
// The window stays open beside the editor and follows the document manager's signals.
void registerPreviewCommand(CommandRegistry &registry);

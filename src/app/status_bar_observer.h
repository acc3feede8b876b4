#pragma once

class DocumentManager;
class VelinorStatusBar;

// Keeps the status bar in step with the documents: position and state of a document whose status
// changed, the language panel, and the mode panel flipped by the Insert key.
void observeDocuments(VelinorStatusBar *bar, DocumentManager *documents);

#pragma once

// Starts, once per process, what the real editor window needs to run
// without a screen: Qt's offscreen platform, the QApplication and the
// program's application object. Call it from LLVMFuzzerInitialize.
//
// An exception that escapes a handler would open an error box and wait for
// a click that never comes; here it stops the run instead, as the finding it
// is: the editor's own routines raise none.
void StartOffscreenEditor(const char* programPath);

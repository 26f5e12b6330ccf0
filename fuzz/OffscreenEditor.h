#pragma once

// What the targets that drive the real editor window share: Qt's offscreen
// platform, the QApplication and the program's application object, started
// once per process by the LLVMFuzzerInitialize defined beside this, and one
// editor for every input, since building one costs some twenty times what
// the rest of an input does.
//
// An exception that escapes a handler would open an error box and wait for
// a click that never comes; here it stops the run instead, as the finding it
// is: the editor's own routines raise none.
class TForm1;

// Every input starts with a load, which sets everything the later steps read.
TForm1& SharedEditor();

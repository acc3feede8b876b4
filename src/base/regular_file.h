#pragma once

class QFile;

// Opens the file's path for reading only when it names a regular file. A FIFO, a device or a
// socket is refused at once: opening one for reading could block the program until a writer
// appears, and reading it may never end.
bool openRegularFile(QFile &file);

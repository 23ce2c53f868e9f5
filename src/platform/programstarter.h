#pragma once

#include <QString>

// Starts another program as a process of its own, without a shell and without waiting for it.
// Throws SunveilError when the program is missing or cannot be started.
void startProgram(const QString &path);

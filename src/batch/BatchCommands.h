#pragma once

#include <QStringList>

class QTextStream;

// The batch tool's commands over the core library, without any GUI.
// Returns the exit status: 0 success, 1 a design that could not be read or
// written, 2 wrong arguments.
int RunBatchCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

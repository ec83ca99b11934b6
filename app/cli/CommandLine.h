#pragma once
// The program's options. With one of them the program does that one thing and ends without a
// window (no display is needed); without options it opens its window.

#include "platform/SysUtils.h"

#include <vector>

// Whether the arguments ask for command-line work: the first one is a long option ("--...") or
// "-h". Single-dash options of the window toolkit ("-style", "-platform") still reach the window.
bool IsCommandLine(int argc, char** argv);

// Runs the options in Args (without the program name); Out and Err receive what to print.
// Returns the exit status: 0 done, 1 failed, 2 the options themselves are wrong.
int RunCommandLine(const std::vector<QString>& Args, const QString& ProgramPath, QString& Out,
                   QString& Err);

// The above on the process's own arguments, printing UTF-8 to standard output and error.
int CommandLineMain(int argc, char** argv);

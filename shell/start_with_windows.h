#pragma once
// Starting with Windows: the value "Zentrix" in the current user's list of programs that Windows
// starts at sign-in (HKCU\Software\Microsoft\Windows\CurrentVersion\Run).

#include <string>

// Whether Windows starts `program` (a full path) at sign-in. A value that starts another copy of
// the program does not count, nor one the user has disabled in Task Manager.
bool StartsWithWindows(const std::string& program);

// Makes Windows start `program` at sign-in, the user's earlier disabling undone, or no longer
// start it. True when the list then says so.
bool SetStartsWithWindows(const std::string& program, bool on);

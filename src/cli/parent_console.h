#pragma once

// The Windows program is a GUI program and so has no console of its own. The
// modes that print (--help, the modes without the window, usage errors) call
// this first: it attaches to the console of the program that started this one
// (cmd.exe, PowerShell), so that the output appears there, while output that the
// caller redirected into a file or a pipe goes there as it is. Started from the
// desktop there is no such console and nothing changes. Elsewhere the standard
// streams are the terminal's already.
#ifdef _WIN32
void useParentConsole();
#else
inline void useParentConsole() {}
#endif

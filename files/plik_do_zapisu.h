#pragma once

#include "strumien.h"

#include <functional>
#include <string>

// Writes an output file so that it is never torn and never destroys what
// stands at its name. `tresc` writes the bytes through the Ujscie it is given
// and answers false when it could not.
//
// - A regular file the process may not write (as the shell's `>` would
//   judge: root may) is refused before anything is written.
// - A regular file, or none yet: the bytes go to a new file beside it (see
//   PlikTymczasowy: nothing is left behind), which is flushed to the disk,
//   given the old file's owner, extended attributes (ACLs) and mode, and
//   renamed over it. A failure at any point (a full disk, a write refused)
//   leaves the old file as it was.
// - A file with other hard links, one whose owner, group, ACL or extended
//   attributes a new file could not be given, or one in a folder where no
//   new file may be made: written in place, so that the links and the file
//   stay what they are. That gives up the guarantee above: a failure halfway
//   leaves a torn file.
// - A symbolic link is kept: the file it names is written, and made where it
//   names none yet (as `>` does).
// - A FIFO, a character device (/dev/null, a terminal) or a name under /dev
//   or /proc: written straight into, as a script means it; /dev/stdout,
//   /dev/stderr and /dev/fd/N are the process's own descriptors (refused when
//   closed, also when it started without them).
// - A directory, a block device, a socket, a symlink loop: refused.
//
// On failure `powod`, when given, says why in Polish.
bool zapisz_bezpiecznie(const std::string& sciezka, const std::function<bool(const Ujscie&)>& tresc,
                        std::string* powod = nullptr);

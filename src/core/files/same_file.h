#pragma once

#include <QString>

namespace files {

// Whether two paths name one file: for two files that exist, the same device and
// inode (hard links and symbolic links included); otherwise the same path once
// the links in it are resolved (a file still to be made, a dangling link).
bool sameFile(const QString &a, const QString &b);

} // namespace files

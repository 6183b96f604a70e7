#pragma once
// Writes every shipped asset into one folder.

#include <QString>

namespace vm {

// Throws std::runtime_error when a file cannot be written or a source cannot be read.
void WriteAllAssets(const QString& folder);

}  // namespace vm

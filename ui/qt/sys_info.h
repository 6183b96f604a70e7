#pragma once
// The About box's System Info button: a system information program found on the PATH,
// started on its own.

namespace vm {

// False when no such program is installed or it cannot be started.
bool StartSysInfo();

}  // namespace vm

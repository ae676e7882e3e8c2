#pragma once
// A System Restore point before a cleaning.
namespace aw {

// Asks System Restore for one restore point described "SYSTEM RESTORE POINT"; true when it
// accepted. The client library is loaded from the system folder when needed, so the program
// runs where it is missing (that counts as a failure).
bool CreateRestorePoint();

} // namespace aw

#pragma once

// Making written data survive a crash or a power cut. Results are 0 or the system's error
// number.
namespace Durability {

// The file's data and everything about it (fsync).
int syncFile(int fd);
// The file's data, and of its metadata only what reading it back needs (fdatasync): quicker
// when the file kept its size, since the file system need not commit anything else pending.
int syncData(int fd);
// A folder's entries, such as a name just given (fsync of the folder's handle).
int syncFolder(int fd);

} // namespace Durability

#pragma once
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

#include "FileStamp.h"

// Every file the program writes (diagrams, pictures, recovery copies, kdltool's output) is
// written through here: whole or not at all. The new content goes to a temporary file beside the
// target (QSaveFile) and replaces the target only once every write, the final flush and the sync
// to disk have succeeded; until then the old file is untouched. Failures say which file and why,
// in the system's words ("No space left on device").
//
// The target must be a regular file or not exist yet: a save never writes into a device, a pipe
// or a folder, also not through a symbolic link, and a read-only file stays as it is. A file that
// is replaced keeps its permissions, owner and group.
namespace wholefile {

// Writes the whole content onto the device; false when something could not be made or written
// (each write's result counts too: the device remembers a failed one). May throw.
using Producer = std::function<bool(QIODevice& device)>;

enum class Links {
  FollowToRegularFile,  // a symbolic link is written through, when it leads to a regular file
  Refuse,               // a symbolic link is refused (folders only this program writes in)
};

struct Options {
  Links links = Links::FollowToRegularFile;
  bool digest = false;  // the returned stamp holds the digest of what was written
};

// Throws EKedrinError: "Cannot create file NAME" when no new file can be made there, "Cannot
// create file NAME: it is a device, not a regular file" (and the like) for a target that is not
// to be replaced, "Cannot write file NAME: REASON" when writing, flushing, syncing or replacing
// failed; an exception of the producer passes through. In every failure the target is as before
// and no temporary file stays. Returns the stamp of the file as written.
FileStamp Write(const QString& fileName, const Producer& produce, const Options& options = {});

// Tests: every device a producer writes on is laid over what this makes of the new file (a
// device that fails after so many bytes, say). Null: the file itself.
using DeviceFilter = std::function<std::unique_ptr<QIODevice>(QIODevice& file)>;
void SetDeviceFilter(DeviceFilter filter);

}  // namespace wholefile

#pragma once

#include <QString>

#include <vector>

namespace morvane {

struct Volume {
    QString rootPath;       // where the file system is mounted
    bool removable = false; // a memory card, USB stick or camera
};

// The mounted file systems, in a stable order. The program uses the
// system's list; tests put in their own.
class VolumeProvider {
public:
    virtual ~VolumeProvider();
    virtual std::vector<Volume> volumes() const = 0;
};

// Mounted volumes as the system reports them, removable when the block
// device says so (/sys/block/<disk>/removable) or when the desktop mounted
// it for a user under /media or /run/media. Ordered by mount point.
class SystemVolumeProvider : public VolumeProvider {
public:
    std::vector<Volume> volumes() const override;
};

} // namespace morvane

// An output file that appears whole or not at all.  The export writes a
// temporary file in the target's folder, which replaces the target by a
// rename only once it is complete: a failed, killed or full-disk export
// leaves whatever stood at the target as it was.  A symbolic link named as
// the target is itself replaced, never the file it points at.  A device or
// a pipe named as the output is written directly.
#pragma once

#include <string>

namespace qrv::convert {

class AtomicOutput {
public:
    AtomicOutput() = default;
    AtomicOutput(const AtomicOutput &) = delete;
    AtomicOutput &operator=(const AtomicOutput &) = delete;
    ~AtomicOutput();  // an output never committed leaves no temporary file

    // Makes the file to write for target; false, with errno set, when it
    // cannot be made.
    bool open(const std::string &target);
    // The file the export writes.
    const std::string &path() const { return temporary_.empty() ? target_ : temporary_; }
    // The file it stands for, as open named it.
    const std::string &target() const { return target_; }
    // Puts the written file in the target's place; false, with errno set,
    // when it cannot.
    bool commit();

    // Removes the temporary file that process pid, killed, left for target.
    static void remove_left_by(const std::string &target, long pid);

private:
    std::string target_;
    std::string temporary_;  // empty when the target is written directly
};

// Writes past a file-size limit then fail with EFBIG, which the export
// reports, instead of ending the process.
void let_oversized_writes_fail();

}  // namespace qrv::convert

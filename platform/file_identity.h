#pragma once
#include <cstdint>
#include <string>

namespace platform {

// Which file a name stands for: two names, or one name at two times, with the
// same identity are the same file, whatever was renamed around it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What a look at a name found.
struct IdentityLook {
    enum class State {
        Found,   // something stands there: `identity` is its own
        Missing, // nothing stands there
        Failed,  // the look failed (`reason`): something may stand there or not
    };
    State state = State::Missing;
    FileIdentity identity;
    std::string reason;
};

// The identity of what stands under `path` itself (a link is not followed, so
// a link is known as itself, never as the file it points to). A look that
// fails, such as one into a folder that cannot be searched, is no proof that
// nothing is there.
IdentityLook fileIdentity(const std::string& path);
// True when anything stands under `path`, whether or not it can be read, even
// a link to nowhere; also when the look fails, since something may be there.
bool standsUnder(const std::string& path);

}

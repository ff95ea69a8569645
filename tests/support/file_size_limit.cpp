#include "support/file_size_limit.h"

#include <stdexcept>

FileSizeLimit::FileSizeLimit(rlim_t bytes, void (*onReached)(int))
{
    struct sigaction action {};
    action.sa_handler = onReached ? onReached : SIG_IGN;
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGXFSZ, &action, &previousAction_) != 0 || getrlimit(RLIMIT_FSIZE, &previousLimit_) != 0)
        throw std::runtime_error("cannot take over the file size limit");
    const rlimit limit{bytes, previousLimit_.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot set the file size limit");
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previousLimit_);
    sigaction(SIGXFSZ, &previousAction_, nullptr);
}

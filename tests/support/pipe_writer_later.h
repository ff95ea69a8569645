#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

// Opens the named pipe at `path` for writing a few seconds from now, unless
// the test is done with it first: should the code under test open the pipe
// for reading and wait for a writer, the wait ends and the test fails
// instead of hanging.
class PipeWriterLater {
public:
    explicit PipeWriterLater(std::string path)
        : writer_([path = std::move(path), answer = done_.get_future()] {
              if (answer.wait_for(std::chrono::seconds(3)) == std::future_status::ready)
                  return;
              int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
              if (fd >= 0)
                  close(fd);
          })
    {
    }
    ~PipeWriterLater()
    {
        done_.set_value();
        writer_.join();
    }
    PipeWriterLater(const PipeWriterLater&) = delete;
    PipeWriterLater& operator=(const PipeWriterLater&) = delete;

private:
    std::promise<void> done_;
    std::thread writer_;
};

#pragma once

#include <mutex>
#include <ostream>
#include <streambuf>
#include <string>

namespace lume::app {

// Buffer of the console stream. It collects text and hands everything collected to the
// platform's debug output each time the stream is flushed; a newline alone does not flush.
// Text still collected when the buffer is destroyed, or when the process exits without
// destroying it (std::exit), is handed over then, so the last lines are never lost.
// Writes and flushes take a lock, so the loader thread may write lines while the render
// thread does; write whole lines with one insertion to keep them whole.
class DebugBuf : public std::streambuf {
  public:
    DebugBuf();
    ~DebugBuf() override;

    // Text collected and not yet handed over (tests).
    std::string pending() const;
    // Hands any collected text to the platform.
    void handOver();

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char *s, std::streamsize n) override;
    int sync() override;

  private:
    mutable std::mutex mMutex;
    std::string mText;
};

class DebugStream : public std::ostream {
  public:
    DebugStream() : std::ostream(&mBuf) {}
    DebugBuf &buffer() { return mBuf; }

  private:
    DebugBuf mBuf;
};

} // namespace lume::app

#pragma once

#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace lume::app {

// Buffer of the console stream. It collects text and hands everything collected to the
// platform's debug output each time the stream is flushed; a newline alone does not flush.
// Text still collected when the buffer is destroyed, or when the process exits without
// destroying it (std::exit), is handed over then, so the last lines are never lost.
// Writes and flushes take a lock, so text handed over at exit never races a flush.
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

class ConsoleLine;

// The console every thread writes to, a line at a time: each line is collected in a
// ConsoleLine of its own and reaches the stream whole, under the console's lock, when the
// ConsoleLine ends. Lines written by the loader and the render thread at once therefore never
// mix, and the stream is only ever touched under the lock. (Defined here in full: the player's
// loader code writes lines without linking the application framework.)
class Console {
  public:
    explicit Console(std::shared_ptr<std::ostream> stream) : mStream(std::move(stream)) {}

    // A line to write to: `console.line() << "Failed: " << what << std::endl;` hands the whole
    // text over at the end of the statement.
    inline ConsoleLine line();
    // Replaces the stream; lines already handed over stay with the old one.
    void setStream(std::shared_ptr<std::ostream> stream)
    {
        std::lock_guard lock(mMutex);
        mStream = std::move(stream);
    }

  private:
    friend class ConsoleLine;
    void write(const std::string &text, bool flush)
    {
        std::lock_guard lock(mMutex);
        if (!mStream)
            return;
        mStream->write(text.data(), static_cast<std::streamsize>(text.size()));
        if (flush)
            mStream->flush();
    }

    std::mutex mMutex;
    std::shared_ptr<std::ostream> mStream;
};

// One line (or several, or part of one) on its way to a Console. It is a stream of its own,
// so formatting state never leaks between threads. A flush inside the line (std::endl,
// std::flush) flushes the console's stream right after the text is handed over.
class ConsoleLine : public std::ostream {
  public:
    explicit ConsoleLine(Console &console) : std::ostream(&mBuf), mConsole(console) {}
    ~ConsoleLine() override
    {
        const std::string text = mBuf.str();
        if (!text.empty() || mBuf.flushAsked)
            mConsole.write(text, mBuf.flushAsked);
    }
    ConsoleLine(const ConsoleLine &) = delete;
    ConsoleLine &operator=(const ConsoleLine &) = delete;

  private:
    class Buf : public std::stringbuf {
      public:
        bool flushAsked = false;

      protected:
        int sync() override
        {
            flushAsked = true;
            return 0;
        }
    };

    Console &mConsole;
    Buf mBuf;
};

ConsoleLine Console::line()
{
    return ConsoleLine(*this);
}

} // namespace lume::app

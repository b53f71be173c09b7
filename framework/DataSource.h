#pragma once

#include "framework/Buffer.h"

#include <filesystem>
#include <memory>
#include <string>

namespace lume {

class DataSource;
using DataSourceRef = std::shared_ptr<DataSource>;

// Bytes from somewhere (a file or memory), handed to importers and the text loader.
class DataSource {
  public:
    virtual ~DataSource() = default;

    virtual bool isFilePath() const = 0;

    // Creates the buffer on first use.
    const Buffer &getBuffer();
    const std::filesystem::path &getFilePath() const { return mFilePath; }
    // A file name whose extension tells importers the format; empty when unknown.
    const std::string &getFilePathHint() const { return mFilePathHint; }

  protected:
    virtual void createBuffer() = 0;

    Buffer mBuffer;
    std::filesystem::path mFilePath;
    std::string mFilePathHint;
};

// A data source over a buffer it is given; reading it never copies.
class DataSourceBuffer : public DataSource {
  public:
    static std::shared_ptr<DataSourceBuffer> create(const Buffer &buffer, const std::string &filePathHint = "");

    bool isFilePath() const override { return false; }

  protected:
    void createBuffer() override {}

  private:
    DataSourceBuffer(const Buffer &buffer, const std::string &filePathHint);
};

// The source's bytes as text, ending at the first zero byte.
std::string loadString(const DataSourceRef &source);

} // namespace lume

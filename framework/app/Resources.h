#pragma once

#include "framework/DataSource.h"
#include "framework/Exception.h"

#include <string>

namespace lume::app {

class ResourceLoadExc : public lume::Exception {
  public:
    ResourceLoadExc(int id, const std::string &type);
    const char *what() const noexcept override { return mMessage; }

  private:
    char mMessage[4096];
};

// The embedded resource (id, type) as a data source over the executable's own bytes.
// Safe to call from any thread.
DataSourceRef loadResource(int id, const std::string &type);

} // namespace lume::app

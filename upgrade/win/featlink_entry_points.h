// featlink.dll bound from the upgrader's folder: the six functions it calls, all or
// none. Without them the upgrade cannot run and the window shows the failure notice.
#pragma once

#include <string>

#include "featlink/win/featlink_client.h"

namespace tesh::upgrade {

class FeatlinkEntryPoints : public FeatlinkLibrary {
  public:
    bool Bind(const std::string& directory) {
        return FeatlinkLibrary::Bind(directory, FeatlinkNeeds::kWithoutMousePid);
    }
};

}  // namespace tesh::upgrade

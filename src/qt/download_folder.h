// The folder an update is downloaded to on the Linux desktop: the user's download folder.
#pragma once

#include "platform/temp_path.h"

namespace porvan {

// Answers the download folder (xdg-user-dir DOWNLOAD, as Qt reads it) in place of the temporary
// folder, so the file stays where the user looks for downloads once the opener has it.
class TDownloadFolder : public ITempPath {
 public:
  TPath Query(std::uint32_t bufferLength) override;
};

}  // namespace porvan

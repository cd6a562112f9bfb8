// What the Upload command tells the user when files did not go out.
#pragma once

#include <string>
#include <vector>

#include "publish/publish.h"

namespace app {

// "アップロードに失敗しました。" and for each failure "ファイル: " with the path
// as listed (left out for the job as a whole) and "理由: " with the short cause
// and, in brackets, the technical detail.
std::string UploadFailureText(const std::vector<publish::FileFailure>& failures);

}  // namespace app

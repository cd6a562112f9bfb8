// The little XML S3 speaks: fields of its answers, the list that completes a
// multipart upload.
#pragma once

#include <string>
#include <vector>

namespace net {

// Text of the first <element>, entities decoded; empty when there is none.
std::string XmlField(const std::string& xml, const std::string& element);

// The body of "complete multipart upload": parts 1..N with their ETags.
std::string CompleteMultipartXml(const std::vector<std::string>& partEtags);

}  // namespace net

#include "app/notices_to_standard_error.h"

#include <iostream>

namespace app {

void NoticesToStandardError::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

}  // namespace app

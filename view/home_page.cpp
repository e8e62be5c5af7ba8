#include "view/home_page.h"

#ifndef OMBRELK_HOME_PAGE
#error "OMBRELK_HOME_PAGE must be defined by the build"
#endif

namespace ombrelk {

std::string HomePageAddress() {
  return OMBRELK_HOME_PAGE;
}

}  // namespace ombrelk

// The image slide show: jQuery and the bxSlider plug-in, loaded from the
// server the page is published on, started on the "bxslider" div.
#pragma once

#include <string>
#include <vector>

#include "html/element.h"

namespace html {

// Fragment for the page's head: the two library scripts below libraryBase,
// the plug-in's style sheet and the start script.
Element SlideShowHead(const std::string& libraryBase);

// A "bxslider" div with one slide per image: a link to the file whose content
// is the image itself, both by the bare file name.
Element SlideShow(const std::vector<std::string>& images);

}  // namespace html

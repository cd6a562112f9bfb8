// The image slide show: jQuery and the bxSlider plug-in, loaded from the
// server the page is published on, started on the "bxslider" div.
#pragma once

#include <string>
#include <vector>

#include "htmout/xml_element.h"

// Fragment for the page's head: the two library scripts, the plug-in's style
// sheet and the start script.
Xml_E HT_Make_slider_head();

// A "bxslider" div with one slide per image: a link to the file whose content
// is the image itself, both by the bare file name.
Xml_E HT_Make_slider(const std::vector<std::string>& images);

// The ".slider" rule of the page's style sheet.
std::string HT_Style_slider();

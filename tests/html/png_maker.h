// Small valid PNG images for tests that need real pictures (RGB, one colour).
#pragma once

#include <string>

std::string MakePng(unsigned width, unsigned height, unsigned char red, unsigned char green,
                    unsigned char blue);

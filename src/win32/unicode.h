#pragma once

// The program's texts are UTF-8; Windows speaks UTF-16. Both directions keep
// every character, umlauts and characters outside the Basic Multilingual
// Plane alike.

#include <string>
#include <string_view>

std::wstring WideOf(std::string_view utf8);
std::string Utf8Of(std::wstring_view wide);

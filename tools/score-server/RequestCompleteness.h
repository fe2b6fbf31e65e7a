#pragma once
#include <cstddef>
#include <string>

enum class RequestState { Partial, Whole, TooLarge };

// Whether `received` starts with a whole HTTP request: its head up to the empty line and
// the body its Content-Length names. TooLarge when the head or the whole would pass maxBytes.
RequestState RequestStateOf(const std::string& received, size_t maxBytes);

#include "platform/RendererChoice.h"

#include <algorithm>
#include <cctype>

const char* RendererChoiceName(RendererChoice choice) {
  switch (choice) {
    case RendererChoice::OpenGL:
      return "opengl";
    case RendererChoice::Software:
      return "software";
    case RendererChoice::Automatic:
      break;
  }
  return "auto";
}

std::optional<RendererChoice> ParseRendererChoice(const std::string& name) {
  for (RendererChoice choice :
       {RendererChoice::Automatic, RendererChoice::OpenGL, RendererChoice::Software}) {
    if (name == RendererChoiceName(choice)) return choice;
  }
  return std::nullopt;
}

bool IsCpuRasteriser(const std::string& glRenderer) {
  std::string lower = glRenderer;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  // Mesa's CPU drivers and the generic names other vendors give a software fallback.
  for (const char* cpu : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
    if (lower.find(cpu) != std::string::npos) return true;
  }
  return false;
}

#pragma once
#include <optional>
#include <string>

// Which renderer draws the game. Automatic takes a real GPU's OpenGL driver when there is
// one and otherwise SDL's software renderer: an OpenGL driver that rasterises on the CPU
// (llvmpipe, softpipe, swrast) costs more of the processor than the software renderer
// drawing the same picture.
enum class RendererChoice { Automatic, OpenGL, Software };

// "auto", "opengl", "software".
const char* RendererChoiceName(RendererChoice choice);
// The choice a name gives (as RendererChoiceName writes it); nothing for any other text.
std::optional<RendererChoice> ParseRendererChoice(const std::string& name);

// True when an OpenGL renderer string (GL_RENDERER) names a rasteriser running on the CPU.
bool IsCpuRasteriser(const std::string& glRenderer);

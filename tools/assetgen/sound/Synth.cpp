#include "tools/assetgen/sound/Synth.h"

#include <algorithm>

Resonator::Resonator(double centreHz, double q, double sampleRate) {
  const double w = 2.0 * kPi * centreHz / sampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  b0_ = alpha / a0;
  a1_ = -2.0 * std::cos(w) / a0;
  a2_ = (1.0 - alpha) / a0;
}

double Resonator::operator()(double x) {
  const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

std::vector<int16_t> NormalizeTo16(const std::vector<double>& samples, double peak) {
  double loudest = 0;
  for (double s : samples) loudest = std::max(loudest, std::abs(s));
  const double scale = loudest > 0 ? peak * 32767.0 / loudest : 0.0;
  std::vector<int16_t> out(samples.size());
  std::transform(samples.begin(), samples.end(), out.begin(), [scale](double s) {
    return static_cast<int16_t>(std::lround(std::clamp(s * scale, -32767.0, 32767.0)));
  });
  return out;
}

void FadeEnds(std::vector<double>& samples, int fadeInFrames, int fadeOutFrames) {
  const int n = static_cast<int>(samples.size());
  for (int i = 0; i < fadeInFrames && i < n; ++i)
    samples[i] *= static_cast<double>(i) / fadeInFrames;
  for (int i = 0; i < fadeOutFrames && i < n; ++i) {
    samples[n - 1 - i] *= static_cast<double>(i) / fadeOutFrames;
  }
}

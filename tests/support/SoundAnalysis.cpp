#include "tests/support/SoundAnalysis.h"

#include <algorithm>
#include <cmath>

double Fundamental(const std::vector<float>& mono, int rate, size_t from, size_t frames) {
  const int shortest = rate / 250, longest = rate / 30;
  std::vector<double> score(static_cast<size_t>(longest) + 1, 0.0);
  double best = 0;
  for (int lag = shortest; lag <= longest; ++lag) {
    double sum = 0, energy = 0;
    for (size_t i = from; i < from + frames; ++i) {
      const double a = mono[i], b = mono[i + static_cast<size_t>(lag)];
      sum += a * b;
      energy += a * a + b * b;
    }
    score[static_cast<size_t>(lag)] = energy > 0 ? 2 * sum / energy : 0;
    best = std::max(best, score[static_cast<size_t>(lag)]);
  }
  for (int lag = shortest + 1; lag < longest; ++lag) {
    const double here = score[static_cast<size_t>(lag)];
    const bool peak =
        here >= score[static_cast<size_t>(lag) - 1] && here >= score[static_cast<size_t>(lag) + 1];
    if (peak && here >= 0.8 * best) return static_cast<double>(rate) / lag;
  }
  return 0;
}

double BandDb(const std::vector<float>& mono, int rate, size_t from, double lowHz, double highHz,
              size_t frames) {
  double total = 0;
  for (double hz = lowHz; hz <= highHz; hz += 20) {
    const double coefficient = 2 * std::cos(2 * 3.14159265358979323846 * hz / rate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < from + frames; ++i) {
      const double s0 = mono[i] + coefficient * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    total += s1 * s1 + s2 * s2 - coefficient * s1 * s2;
  }
  return 10 * std::log10(total / static_cast<double>(frames) + 1e-20);
}

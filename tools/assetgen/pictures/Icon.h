#pragma once
#include <string>
#include <vector>

// The application icon: a kart cornering on a kerbed bend under a chequered flag, on the
// menus' navy plate with its gold rim. Drawn at each size rather than scaled, so the small
// icons keep crisp edges.
inline const std::vector<int> kIconSizes = {16, 32, 48, 64, 128, 256};

// Writes DIR/<n>x<n>/apps/brindle-karts.png for every size of kIconSizes (the layout of an
// icon theme such as hicolor), creating the folders.
void writeIcons(const std::string& dir);

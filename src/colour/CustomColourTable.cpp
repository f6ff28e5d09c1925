#include "colour/CustomColourTable.h"

namespace orv {

CustomColourTable::CustomColourTable()
{
    for (int i = 0; i < Size; ++i) {
        const Colour g = static_cast<Colour>(255 - 16 * i);
        colours_[static_cast<std::size_t>(i)] = g | g << 8 | g << 16;
    }
}

} // namespace orv

#include "imaging/jpeg/JpegProgression.h"

namespace platform {

bool ProgressionComplete(const int (*bits)[64], int components)
{
    if (bits == nullptr || components <= 0)
        return false;
    for (int c = 0; c < components; ++c) {
        for (int k = 0; k < 64; ++k) {
            if (bits[c][k] != 0)
                return false;
        }
    }
    return true;
}

bool RefinesOutOfOrder(int ss, int ah, int coefficient)
{
    return ah != 0 || (ss != 0 && coefficient == 0);
}

}  // namespace platform

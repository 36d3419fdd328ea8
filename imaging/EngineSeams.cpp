#include "imaging/EngineSeams.h"

namespace platform {

EngineSeams& Seams()
{
    static EngineSeams seams;
    return seams;
}

}  // namespace platform

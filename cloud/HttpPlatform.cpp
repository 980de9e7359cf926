// The real platform table.
#include "cloud/HttpPlatform.h"

const HttpPlatform& HttpPlatform::System() {
    static const HttpPlatform system;
    return system;
}

// Placeholder until the render engine lands.
#include "skinui/render/SkinRender.h"

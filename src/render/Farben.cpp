#include "render/Farben.h"

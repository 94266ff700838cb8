#include "engine/BatchRename.h"

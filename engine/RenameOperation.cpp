#include "engine/RenameOperation.h"
